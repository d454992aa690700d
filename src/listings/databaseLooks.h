// The looks of the database listings: the cells of their blocks and the frames of their
// HTML blocks on either side of a record.
#pragma once

#include <array>

#include "listings/listingTemplates.h"

inline constexpr std::array kDatabaseTextColumns{
    Column::DatabaseMotifID, Column::MotifName, Column::MatchFormat1,
    Column::MatchFormat2,    Column::Direction, Column::Position,
    Column::Overlap,         Column::SimilarityScore,
};
inline constexpr std::array kDatabaseHtmlColumns{
    Column::DatabaseMotifID, Column::MotifName, Column::Annotation,
    Column::MatchFormat1,    Column::MatchFormat2, Column::Direction,
    Column::Position,        Column::Overlap,   Column::SimilarityScore,
};

inline TextLook databaseTextLook(ReportDoc document, Body body) {
    return {.document = document,
            .find = findDatabaseMatch,
            .columns = kDatabaseTextColumns,
            .body = body,
            .annotation = AnnotationLine::Written};
}

inline constexpr auto kDatabaseHtmlRows = htmlRowsOf(kDatabaseHtmlColumns);
// The report of the global representatives has always left a few font elements open,
// in other cells for each side of the record.
inline constexpr auto kDatabaseGlobalHtmlRowsTopFirst =
    htmlRowsOf(kDatabaseHtmlColumns, {Column::Position, Column::Overlap});
inline constexpr auto kDatabaseGlobalHtmlRowsTopSecond =
    htmlRowsOf(kDatabaseHtmlColumns, {Column::MatchFormat1});

inline HtmlLook databaseHtmlLook(ReportDoc document, std::span<const HtmlRow> rowsTopFirst,
                                 std::span<const HtmlRow> rowsTopSecond) {
    return {.document = document,
            .find = findDatabaseMatch,
            .topFirst = {.tableTag = "<table class='sansserif' width='1000' border = '0' "
                                     "cellSpacing = '1' cellPadding = '1' >",
                         .alignmentHeading = "<font face='Arial' size = '2'>Alignment:</font>",
                         .rows = rowsTopFirst},
            .topSecond = {.tableTag = "<table class='sansserif' width='1000' cellpadding='0' "
                                      "cellspacing='0' >",
                          .alignmentHeading = "<font face='Arial' size='2'>Alignment:</font>",
                          .rows = rowsTopSecond},
            .valueColumnWidth = "700",
            .panelStore = LogoStore::Database,
            .panelTable = MotifTable::Wide};
}
