#include <gtest/gtest.h>

#include <QSet>

#include "sheet_names.h"

namespace dakru::ui {
namespace {

TEST(SheetNames, CellsOfEveryRowAndColumn)
{
    struct Row {
        int row;
        const char* down;
        const char* downUp;
        const char* up;
        const char* call;
    };
    const Row rows[] = {
        {1, "Label7", "Label8", "Label9", "Label10"},        {6, "Label32", "Label33", "Label34", "Label35"},
        {row::Minimum, "Label42", "Label43", "Label44", "Label45"},
        {row::Maximum, "Label47", "Label48", "Label49", "Label50"},
        {row::ThreeOfKind, "Label57", "Label58", "Label59", "Label60"},
        {row::LargeStraight, "Label95", "Label94", "Label93", "Label92"},  // numbered right to left
        {row::FullHouse, "Label67", "Label68", "Label69", "Label70"},
        {row::Dakru, "Label77", "Label78", "Label79", "Label80"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(cellName(Column::Down, r.row), QLatin1String(r.down)) << r.row;
        EXPECT_EQ(cellName(Column::DownUp, r.row), QLatin1String(r.downUp)) << r.row;
        EXPECT_EQ(cellName(Column::Up, r.row), QLatin1String(r.up)) << r.row;
        EXPECT_EQ(cellName(Column::Call, r.row), QLatin1String(r.call)) << r.row;
    }
}

TEST(SheetNames, SeventyTwoDistinctNames)
{
    QSet<QString> names;
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            names.insert(cellName(column, row));
        }
        for (const Section section : kSections) {
            names.insert(sumName(section, column));
        }
    }
    for (const Section section : kSections) {
        names.insert(totalName(section));
    }
    names.insert(QString::fromLatin1(kGrandTotalName));
    EXPECT_EQ(names.size(), 56 + 12 + 3 + 1);
    EXPECT_EQ(sumName(Section::Upper, Column::Call), QLatin1String("Label40"));
    EXPECT_EQ(sumName(Section::Lower, Column::Down), QLatin1String("Label82"));
    EXPECT_EQ(totalName(Section::Upper), QLatin1String("Label89"));
    EXPECT_EQ(totalName(Section::Lower), QLatin1String("Label87"));
    EXPECT_THROW(cellName(Column::Down, 15), std::out_of_range);
}

}  // namespace
}  // namespace dakru::ui
