// The looks of the comparison listings: the cells and body of each document's blocks.
#pragma once

#include <array>

#include "listings/listingTemplates.h"

inline constexpr std::array kComparisonColumns{
    Column::DatasetNumber, Column::MotifID,      Column::MotifName,
    Column::MatchFormat1,  Column::MatchFormat2, Column::Direction,
    Column::Position,      Column::Overlap,      Column::SimilarityScore,
};

// The all-matches HTML report has always left the font open in its position and overlap
// cells; that is the only difference from the global-matching report.
inline constexpr std::array<HtmlRow, 9> kGlobalMatchingHtmlRows{{
    {Column::DatasetNumber, CellEnd::FontClosed},
    {Column::MotifID, CellEnd::FontClosed},
    {Column::MotifName, CellEnd::FontClosed},
    {Column::MatchFormat1, CellEnd::FontClosed},
    {Column::MatchFormat2, CellEnd::FontClosed},
    {Column::Direction, CellEnd::FontClosed},
    {Column::Position, CellEnd::FontClosed},
    {Column::Overlap, CellEnd::FontClosed},
    {Column::SimilarityScore, CellEnd::FontClosed},
}};
inline constexpr std::array<HtmlRow, 9> kAllMatchesHtmlRows{{
    {Column::DatasetNumber, CellEnd::FontClosed},
    {Column::MotifID, CellEnd::FontClosed},
    {Column::MotifName, CellEnd::FontClosed},
    {Column::MatchFormat1, CellEnd::FontClosed},
    {Column::MatchFormat2, CellEnd::FontClosed},
    {Column::Direction, CellEnd::FontClosed},
    {Column::Position, CellEnd::FontLeftOpen},
    {Column::Overlap, CellEnd::FontLeftOpen},
    {Column::SimilarityScore, CellEnd::FontClosed},
}};
