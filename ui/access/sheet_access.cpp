#include "sheet_access.h"

#include "accessible_label.h"
#include "click_label.h"
#include "sheet_names.h"

namespace dakru::ui {
namespace {

// The hot spots G1 to G5: their menu words, and the keys that do the same.
struct HotSpotReading {
    const char* what;
    const char* keys;
};
constexpr std::array<HotSpotReading, 5> kHotSpots{{
    {"Roll", "Enter or Space"},
    {"New game", "F2"},
    {"High scores", "F3"},
    {"Info", ""},
    {"Exit", "Esc"},
}};

}  // namespace

SheetAccess::SheetAccess(const SheetLabels& labels) : labels_(labels)
{
    for (const auto& column : labels_.cells) {
        for (ClickLabel* cell : column) {
            setAccessibleRole(*cell, QAccessible::Button);
        }
    }
    for (int n = 1; n <= kDiceCount; ++n) {
        setAccessibleRole(*labels_.dice[n - 1], QAccessible::Button);
        showDie(n, Die{});
    }
    for (int k = 1; k <= 5; ++k) {
        ClickLabel& spot = *labels_.hotSpots[k - 1];
        setAccessibleRole(spot, QAccessible::Button);
        setReading(spot, {QString::fromLatin1(kHotSpots[k - 1].what), {}});
        spot.setAccessibleDescription(QString::fromLatin1(kHotSpots[k - 1].keys));
    }
}

SheetAccess::Source SheetAccess::sourceOf(const Engine& engine)
{
    Source source;
    source.cells = engine.gameState().cells;
    for (const Section section : kSections) {
        for (const Column column : kColumns) {
            source.sums[index(section)][index(column)] = engine.sum(section, column);
        }
        source.totals[index(section)] = engine.total(section);
    }
    source.grandTotal = engine.grandTotal();
    source.rollsLeft = engine.rollsLeftText();
    source.zvanje = engine.zvanjeText();
    source.called = engine.CalledRow().value_or(0);
    return source;
}

void SheetAccess::follow(const Engine& engine, std::optional<CellPlace> cursor)
{
    Source source = sourceOf(engine);
    if (read_ != source) {
        read(engine, source.called);
        read_ = std::move(source);
    }
    if (cursor != cursor_) {
        if (cursor_) {
            setCursorFocus(*cell(*cursor_), false);
        }
        const bool gone = cursor_ && !cursor;
        cursor_ = cursor;
        if (cursor_) {
            setCursorFocus(*cell(*cursor_), true);
        } else if (gone) {
            returnFocusToWindow(*labels_.grandTotal->window());
        }
    }
}

void SheetAccess::read(const Engine& engine, int called)
{
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            const bool isCalled = column == Column::Call && row == called;
            setReading(*cell({column, row}), cellReading(column, row, engine.cell(column, row), isCalled));
        }
    }
    for (const Section section : kSections) {
        for (const Column column : kColumns) {
            setReading(*labels_.sums[index(section)][index(column)],
                       sumReading(section, column, engine.sum(section, column)));
        }
        setReading(*labels_.totals[index(section)], totalReading(section, engine.total(section)));
    }
    setReading(*labels_.grandTotal, scoreReading(engine.grandTotal()));
    setReading(*labels_.rollsLeft, rollsReading(engine.rollsLeftText()));
    setReading(*labels_.zvanje, callReading(engine.zvanjeText(), called));
}

void SheetAccess::showDie(int n, const Die& die)
{
    setReading(*labels_.dice[n - 1], dieReading(n, die));
}

}  // namespace dakru::ui
