// The looks of the comparison listings: the cells and body of each document's blocks.
#pragma once

#include <array>
#include <initializer_list>

#include "listings/listingTemplates.h"

inline constexpr std::array kComparisonColumns{
    Column::DatasetNumber, Column::MotifID,      Column::MotifName,
    Column::MatchFormat1,  Column::MatchFormat2, Column::Direction,
    Column::Position,      Column::Overlap,      Column::SimilarityScore,
};

// The cells of an HTML block, each closed unless it is among the open ones.
constexpr std::array<HtmlRow, kComparisonColumns.size()> htmlRows(
    std::initializer_list<Column> leftOpen = {}) {
    std::array<HtmlRow, kComparisonColumns.size()> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = {kComparisonColumns[i], CellEnd::FontClosed};
        for (Column c : leftOpen)
            if (c == rows[i].column) rows[i].end = CellEnd::FontLeftOpen;
    }
    return rows;
}

inline constexpr auto kGlobalMatchingHtmlRows = htmlRows();
// The all-matches HTML report has always left the font open in its position and overlap
// cells; that is the only difference from the global-matching report.
inline constexpr auto kAllMatchesHtmlRows = htmlRows({Column::Position, Column::Overlap});
