#include <gtest/gtest.h>

#include <QSet>

#include "sheet_names.h"

namespace dakru::ui {
namespace {

TEST(SheetNames, CellsOfEveryRowAndColumn)
{
    // Cells in the order Down, Down\Up, Up, Call.
    const std::pair<int, QStringList> rows[] = {
        {1, {"Label7", "Label8", "Label9", "Label10"}},
        {6, {"Label32", "Label33", "Label34", "Label35"}},
        {row::Minimum, {"Label42", "Label43", "Label44", "Label45"}},
        {row::Maximum, {"Label47", "Label48", "Label49", "Label50"}},
        {row::ThreeOfKind, {"Label57", "Label58", "Label59", "Label60"}},
        {row::LargeStraight, {"Label95", "Label94", "Label93", "Label92"}},  // numbered right to left
        {row::FullHouse, {"Label67", "Label68", "Label69", "Label70"}},
        {row::Dakru, {"Label77", "Label78", "Label79", "Label80"}},
    };
    for (const auto& [row, names] : rows) {
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            EXPECT_EQ(cellName(kColumns[c], row), names[static_cast<qsizetype>(c)]) << row;
        }
    }
    EXPECT_THROW(cellName(Column::Down, 15), std::out_of_range);
}

TEST(SheetNames, SeventyTwoDistinctNames)
{
    QSet<QString> names{QString::fromLatin1(kGrandTotalName)};
    for (const Section section : kSections) {
        names.insert(totalName(section));
        for (const Column column : kColumns) {
            names.insert(sumName(section, column));
        }
    }
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            names.insert(cellName(column, row));
        }
    }
    EXPECT_EQ(names.size(), 56 + 12 + 3 + 1);
}

}  // namespace
}  // namespace dakru::ui
