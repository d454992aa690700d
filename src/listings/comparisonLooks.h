// The looks of the comparison listings: the cells and body of each document's blocks.
#pragma once

#include <array>

#include "listings/listingTemplates.h"

inline constexpr std::array kComparisonColumns{
    Column::DatasetNumber, Column::MotifID,      Column::MotifName,
    Column::MatchFormat1,  Column::MatchFormat2, Column::Direction,
    Column::Position,      Column::Overlap,      Column::SimilarityScore,
};

inline constexpr auto kGlobalMatchingHtmlRows = htmlRowsOf(kComparisonColumns);
// The all-matches HTML report has always left the font open in its position and overlap
// cells; that is the only difference from the global-matching report.
inline constexpr auto kAllMatchesHtmlRows =
    htmlRowsOf(kComparisonColumns, {Column::Position, Column::Overlap});

// Comparison records always have the listed motif first.
inline HtmlLook comparisonHtmlLook(ReportDoc document, std::span<const HtmlRow> rows) {
    const HtmlFrame frame{
        .tableTag = "<table class='sansserif' width='600' border = '0' cellSpacing = '1' "
                    "cellPadding = '1' >",
        .alignmentHeading = "<font face='Arial' size = '2'>Alignment:</font>",
        .rows = rows};
    return {.document = document,
            .find = findInputMatch,
            .topFirst = frame,
            .topSecond = frame,
            .valueColumnWidth = "300",
            .panelStore = LogoStore::Input,
            .panelTable = MotifTable::Compact};
}
