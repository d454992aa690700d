// Property over real motifs: every listed drawing of a full-score alignment lines the two
// motifs up letter for letter, whichever record order and strands the scan gave it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "input/input.h"
#include "listingSupport.h"
#include "listings/listings.h"

namespace {

constexpr std::int32_t kOverlap = 4;

const Matrix& strandMatrix(const data& m, Strand s) {
    return s == Strand::Original ? m.matrix : m.revCompMatrix;
}

// Every placement of two stored motifs at which all aligned rows are equal, recorded as
// the pair scans record it: forward and backward, both record orders, every strand pairing.
// i is the lower-numbered motif; matchFormat1/matchFormat2 are the strands of i and j.
bestMatchList fullScoreRecords(const data& i, const data& j) {
    bestMatchList found;
    for (bool pairOrder : {true, false}) {
        const data& f = pairOrder ? i : j;
        const data& s = pairOrder ? j : i;
        const auto lf = static_cast<std::int32_t>(f.matrix.size());
        const auto ls = static_cast<std::int32_t>(s.matrix.size());
        for (Direction direction : {Direction::Forward, Direction::Backward})
            for (std::int32_t shift = 0; shift <= ls - kOverlap; ++shift)
                for (Strand si : {Strand::Original, Strand::RevComp})
                    for (Strand sj : {Strand::Original, Strand::RevComp}) {
                        const Matrix& fm = strandMatrix(f, pairOrder ? si : sj);
                        const Matrix& sm = strandMatrix(s, pairOrder ? sj : si);
                        const std::int32_t n = std::min(lf, ls - shift);
                        bool equal = true;
                        for (std::int32_t t = 0; t < n && equal; ++t)
                            equal = direction == Direction::Forward
                                        ? fm[t] == sm[shift + t]
                                        : fm[lf - 1 - t] == sm[ls - 1 - t - shift];
                        if (!equal) continue;
                        dataCombinedScore r{.motifID1 = static_cast<std::int32_t>(f.motifID),
                                            .motifID2 = static_cast<std::int32_t>(s.motifID),
                                            .position = shift + 1};
                        r.overlapLength = n;
                        r.direction = direction;
                        r.matchFlag = pairOrder;
                        r.matchFormat1 = si;
                        r.matchFormat2 = sj;
                        r.alignmentScore = 1.0;
                        found.push_back(r);
                    }
    }
    return found;
}

// Both lines as wide as each other, and the same letter wherever both have one.
::testing::AssertionResult linedUp(const std::string& line1, const std::string& line2) {
    if (line1.size() != line2.size())
        return ::testing::AssertionFailure() << "widths differ:\n" << line1 << "\n" << line2;
    for (std::size_t c = 0; c < line1.size(); ++c)
        if (line1[c] != '-' && line2[c] != '-' && line1[c] != line2[c])
            return ::testing::AssertionFailure() << "column " << c << " disagrees:\n"
                                                 << line1 << "\n"
                                                 << line2;
    return ::testing::AssertionSuccess();
}

// The two lines after every "Alignment:" of a document.
std::vector<std::pair<std::string, std::string>> drawings(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line == "Alignment:" || line == "<font face='Arial' size = '2'>Alignment:</font>") {
            std::string a, b, br;
            std::getline(in, a);
            if (line != "Alignment:") std::getline(in, br);
            std::getline(in, b);
            found.emplace_back(a, b);
        }
    for (auto& [a, b] : found)
        for (std::string* l : {&a, &b})
            if (l->rfind("<font face = 'Courier New'>", 0) == 0)
                *l = l->substr(27, l->size() - 27 - 7);
    return found;
}

// Real motifs whose consensus strings have a letter for every row, so that rows and
// letters line up; with their inner windows and the reverse complement of a window.
std::vector<std::vector<ReadMotif>> realMotifSets(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::vector<ReadMotif>> sets;
    for (ReadMotif& x : readMotifBlocks(file, 1)) {
        const std::size_t rows = x.matrix.size();
        const data whole = inputMotif(1, 1, x.motifName, x.matrix);
        if (rows < 9 || whole.consensus.size() != rows || whole.revCompConsensus.size() != rows)
            continue;
        const ReadMotif inner{x.motifName + "_inner",
                              Matrix(x.matrix.begin() + 2, x.matrix.end() - 1)};
        const ReadMotif flipped{x.motifName + "_flipped",
                                getRevCompMotif(Matrix(x.matrix.begin() + 1, x.matrix.end() - 3))};
        for (const ReadMotif* y : {&inner, &flipped}) {
            const data yd = inputMotif(1, 1, y->motifName, y->matrix);
            if (yd.consensus.size() != y->matrix.size() ||
                yd.revCompConsensus.size() != y->matrix.size())
                continue;
            sets.push_back({x, *y});
            sets.push_back({*y, x});
        }
        sets.push_back({x, x});
        if (sets.size() >= 30) break;
    }
    return sets;
}

TEST(alignmentDrawingProperty, fullScoreAlignmentsOfRealMotifsLineUpInEveryListing) {
    const std::string path = motifDataPath("jaspar2016_rsat/pfm_vertebrates.txt");
    if (path.empty()) FAIL() << kMissingMotifData;
    const auto sets = realMotifSets(path);
    ASSERT_GE(sets.size(), 10u);

    std::size_t drawn = 0, mirroredMixed = 0, shiftedForward = 0, shiftedBackward = 0;
    for (const auto& set : sets) {
        ListingRun run;
        for (std::size_t k = 0; k < set.size(); ++k)
            run.add(inputMotif(static_cast<std::int64_t>(k + 1), static_cast<std::int32_t>(k + 1),
                               set[k].motifName, set[k].matrix));
        const bestMatchList records = fullScoreRecords(run.s.Datasets[0], run.s.Datasets[1]);
        for (const dataCombinedScore& r : records) {
            mirroredMixed += !r.matchFlag && r.matchFormat1 != r.matchFormat2;
            shiftedForward += r.direction == Direction::Forward && r.position > 1;
            shiftedBackward += r.direction == Direction::Backward && r.position > 1;
        }
        // Each motif in turn as the listed motif, as the comparison lists hand them over.
        std::size_t expected = 0;
        for (std::int64_t top : {1, 2}) {
            bestMatchList list;
            for (const dataCombinedScore& r : records)
                if (r.motifID1 == top) list.push_back(r);
            expected += list.size();
            WriteTopResultsGlobalMatchingList(run.s, list, top);
            WriteTopResultsListWithoutMotif(run.s, list, 3, top);
            WriteTopResultsListHTML(run.s, list, 2, top);
        }
        for (ReportDoc d : {ReportDoc::GlobalMatchingText, ReportDoc::ResultsWithoutMotif,
                            ReportDoc::ResultsHTML}) {
            const auto found = drawings(run.document(d));
            ASSERT_EQ(found.size(), expected);
            for (const auto& [partner, top] : found) EXPECT_TRUE(linedUp(partner, top));
            drawn += found.size();
        }
        // The same records seen from their second motif, as database lists show the
        // records whose first motif is the database motif.
        for (const dataCombinedScore& r : records) {
            const AlignmentLines lines = getAlignmentLines(
                r, run.s.Datasets[static_cast<std::size_t>(r.motifID2 - 1)],
                run.s.Datasets[static_cast<std::size_t>(r.motifID1 - 1)], TopPlace::Second);
            EXPECT_TRUE(linedUp(lines.partner, lines.top));
        }
    }
    // The property only means something if the records exercise both sides and strands.
    EXPECT_GT(drawn, 100u);
    EXPECT_GT(mirroredMixed, 10u);
    EXPECT_GT(shiftedForward, 10u);
    EXPECT_GT(shiftedBackward, 10u);
}

}  // namespace
