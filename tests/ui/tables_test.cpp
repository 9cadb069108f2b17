#include <gtest/gtest.h>

#include <QSet>

#include "key_table.h"
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

TEST(KeyTable, EveryKeyOfTheTable)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::optional<KeyAction> action;
    };
    const Case cases[] = {
        {Qt::Key_Return, Qt::NoModifier, KeyAction::Roll},
        {Qt::Key_Enter, Qt::KeypadModifier, KeyAction::Roll},
        {Qt::Key_Space, Qt::NoModifier, KeyAction::Roll},
        {Qt::Key_Escape, Qt::NoModifier, KeyAction::Exit},
        {Qt::Key_F2, Qt::NoModifier, KeyAction::NewGame},
        {Qt::Key_F3, Qt::NoModifier, KeyAction::HighScores},
        {Qt::Key_S, Qt::NoModifier, KeyAction::ToggleSound},
        {Qt::Key_S, Qt::ShiftModifier, KeyAction::ToggleSound},
        {Qt::Key_1, Qt::NoModifier, KeyAction::HoldDie1},
        {Qt::Key_3, Qt::NoModifier, KeyAction::HoldDie3},
        {Qt::Key_5, Qt::NoModifier, KeyAction::HoldDie5},
        {Qt::Key_1, Qt::KeypadModifier, std::nullopt},
        {Qt::Key_5, Qt::KeypadModifier, std::nullopt},
        {Qt::Key_0, Qt::NoModifier, std::nullopt},
        {Qt::Key_6, Qt::NoModifier, std::nullopt},
        {Qt::Key_F1, Qt::NoModifier, std::nullopt},
        {Qt::Key_A, Qt::NoModifier, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keyAction(c.key, c.modifiers), c.action) << std::hex << c.key;
    }
    EXPECT_EQ(dieOf(KeyAction::HoldDie4), 4);
    EXPECT_EQ(dieOf(KeyAction::Roll), 0);
}

}  // namespace
}  // namespace dakru::ui
