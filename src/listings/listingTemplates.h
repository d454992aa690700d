// The record-block templates that every listing family member fills from its look.
// A member differs only in its look: document, how a record's two motifs are found, the
// cells of its table and the body under them. The database members find the partner in
// the database store and tell the side by matchFlag, since the two numberings overlap.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <ostream>
#include <span>
#include <string>

#include "state/state.h"
#include "listings/listings.h"

// One record as the listing shows it: the listed motif, the motif it matched, and on
// which side of the record the listed motif sits.
struct ListedMatch {
    const data* top = nullptr;
    const data* partner = nullptr;
    std::int64_t partnerID = 0;
    TopPlace topPlace = TopPlace::First;
    const DatabaseEntry* database = nullptr;  // the partner's database; null for input motifs
};

// Finds both motifs of a record; false when an identifier names no stored motif.
using FindListedMatch = bool (*)(const RunState& s, const dataCombinedScore& r,
                                 std::int64_t topMotifID, ListedMatch& match);
// Input comparison: both motifs are input motifs, numbered alike, so the identifiers
// tell which side the listed motif is on.
bool findInputMatch(const RunState& s, const dataCombinedScore& r, std::int64_t topMotifID,
                    ListedMatch& match);
// Database matching: the listed input motif is the record's first motif exactly when
// matchFlag is set; the partner is the other motif, a motif of the chosen database.
bool findDatabaseMatch(const RunState& s, const dataCombinedScore& r, std::int64_t topMotifID,
                       ListedMatch& match);

enum class Shown { AllRecords, NoRecord };
// Writers that take a listKind list only the significant-motif and each-motif kinds.
inline Shown shownFor(std::int32_t listKind, std::int64_t topMotifID) {
    return (listKind == 2 || listKind == 3) && topMotifID > 0 ? Shown::AllRecords : Shown::NoRecord;
}

// The cells of a block's table row (text) or key/value table (HTML), in the look's order.
enum class Column {
    DatasetNumber,
    MotifID,
    MotifName,
    MatchFormat1,
    MatchFormat2,
    Direction,
    Position,
    Overlap,
    SimilarityScore,
    DatabaseMotifID,  // the database's own identifier; in HTML a link to its page
    Annotation,       // species or taxon of a database motif
};

enum class Markup { Text, Html };

// A cell's value, written as one insertion so that a width set before it pads it whole.
// Numbers take whatever format the document's stream is in.
void writeCellValue(std::ostream& out, Column column, const dataCombinedScore& r,
                    const ListedMatch& match, Markup markup);
const char* textHeading(Column column);
const char* htmlLabel(Column column, const ListedMatch& match);

// How a database names the annotation of its motifs: "Taxon" or "Species".
const char* annotationLabel(const DatabaseEntry* database);
// The page of a database motif on its database's site; the identifier goes in
// percent-encoded.
std::string databaseLink(const DatabaseEntry& database, const std::string& dbMotifID);

// What follows a text block's table row before the alignment.
enum class Body {
    Matrices,       // both matrices, each with its consensus
    ConsensusOnly,  // the two consensus strings
};

// Database blocks name the partner's species or taxon on a line under the table.
enum class AnnotationLine { Left, Written };

struct TextLook {
    ReportDoc document;
    FindListedMatch find;
    std::span<const Column> columns;
    Body body;
    AnnotationLine annotation = AnnotationLine::Left;
};

// How an HTML value cell is closed. Some reports leave the font element open in a few
// cells; files already written that way are kept byte for byte.
enum class CellEnd { FontClosed, FontLeftOpen };

struct HtmlRow {
    Column column;
    CellEnd end;
};

// The cells of an HTML block in the given order, each closed unless it is among the open ones.
template <std::size_t N>
constexpr std::array<HtmlRow, N> htmlRowsOf(const std::array<Column, N>& columns,
                                            std::initializer_list<Column> leftOpen = {}) {
    std::array<HtmlRow, N> rows{};
    for (std::size_t i = 0; i < N; ++i) {
        rows[i] = {columns[i], CellEnd::FontClosed};
        for (Column c : leftOpen)
            if (c == rows[i].column) rows[i].end = CellEnd::FontLeftOpen;
    }
    return rows;
}

// The opening of a block: its key/value table and the alignment heading. The database
// reports have always written these a little differently for a record whose first motif
// is the database motif; the look keeps one frame for each side of the listed motif.
struct HtmlFrame {
    const char* tableTag;
    const char* alignmentHeading;
    std::span<const HtmlRow> rows;
};

struct HtmlLook {
    ReportDoc document;
    FindListedMatch find;
    HtmlFrame topFirst;   // the listed motif is the record's first motif
    HtmlFrame topSecond;  // ... its second motif
    const char* valueColumnWidth;
    LogoStore panelStore;  // whose logos the closing panel shows
    MotifTable panelTable;
};

// The frame every listing shares: opens the document for appending (also when nothing is
// shown), hands each record whose motifs are found to writeBlock with its alignment
// drawing, and closes the document again.
template <typename WriteBlock>
void writeListingFrame(RunState& s, ReportDoc document, FindListedMatch find,
                       const bestMatchList& list, std::int64_t topMotifID, Shown shown,
                       WriteBlock writeBlock) {
    std::ofstream& out = openDocument(s, document, OpenMode::Append);
    for (const dataCombinedScore& r : list) {
        ListedMatch match;
        if (shown == Shown::NoRecord || !find(s, r, topMotifID, match)) continue;
        writeBlock(out, r, match, getAlignmentLines(r, *match.top, *match.partner, match.topPlace));
    }
    out.close();
}

// One block per record, as the look says. The stream's lasting format state is never reset: text
// documents inherit their number format from the title block written just before.
void writeTextListing(RunState& s, const TextLook& look, const bestMatchList& list,
                      std::int64_t topMotifID, Shown shown);
void writeHtmlListing(RunState& s, const HtmlLook& look, const bestMatchList& list,
                      std::int64_t topMotifID, Shown shown);

// The consensus strings and logo images of the matched motif; ends an HTML block.
void writeHtmlMotifPanel(std::ostream& out, const std::string& jobID, LogoStore store,
                         MotifTable table, std::int64_t motifID, const data& motif);
