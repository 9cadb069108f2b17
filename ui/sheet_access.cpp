#include "sheet_access.h"

#include <QWidget>

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

ClickLabel& find(QWidget& form, const QString& name)
{
    auto* label = form.findChild<ClickLabel*>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT(label);
    return *label;
}

}  // namespace

SheetAccess::SheetAccess(QWidget& form)
{
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            ClickLabel& label = find(form, cellName(column, row));
            setAccessibleRole(label, QAccessible::Button);
            cells_[index(column)][row - 1] = &label;
        }
    }
    for (const Section section : kSections) {
        for (const Column column : kColumns) {
            sums_[index(section)][index(column)] = &find(form, sumName(section, column));
        }
        totals_[index(section)] = &find(form, totalName(section));
    }
    grandTotal_ = &find(form, QString::fromLatin1(kGrandTotalName));
    rollsLeft_ = &find(form, QStringLiteral("RollsLeft"));
    zvanje_ = &find(form, QStringLiteral("Zvanje"));
    for (int n = 1; n <= kDiceCount; ++n) {
        ClickLabel& die = find(form, QStringLiteral("Kocka%1p").arg(n));
        setAccessibleRole(die, QAccessible::Button);
        dice_[n - 1] = &die;
        showDie(n, Die{});
    }
    for (int k = 1; k <= 5; ++k) {
        ClickLabel& spot = find(form, QStringLiteral("G%1").arg(k));
        setAccessibleRole(spot, QAccessible::Button);
        setReading(spot, {QString::fromLatin1(kHotSpots[k - 1].what), {}});
        spot.setAccessibleDescription(QString::fromLatin1(kHotSpots[k - 1].keys));
    }
}

SheetAccess::Source SheetAccess::sourceOf(const Engine& engine)
{
    Source source;
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            source.cells[index(column)][row - 1] = engine.cell(column, row);
        }
    }
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

bool SheetAccess::same(const Source& a, const Source& b)
{
    for (std::size_t column = 0; column < a.cells.size(); ++column) {
        for (std::size_t row = 0; row < a.cells[column].size(); ++row) {
            const Cell& x = a.cells[column][row];
            const Cell& y = b.cells[column][row];
            if (x.value != y.value || x.marked != y.marked) {
                return false;
            }
        }
    }
    return a.sums == b.sums && a.totals == b.totals && a.grandTotal == b.grandTotal && a.rollsLeft == b.rollsLeft &&
           a.zvanje == b.zvanje && a.called == b.called;
}

void SheetAccess::follow(const Engine& engine, std::optional<CellPlace> cursor)
{
    Source source = sourceOf(engine);
    if (!read_ || !same(*read_, source)) {
        read(engine, source.called);
        read_ = std::move(source);
    }
    if (cursor != cursor_) {
        if (cursor_) {
            setCursorFocus(*cell(*cursor_), false);
        }
        cursor_ = cursor;
        if (cursor_) {
            setCursorFocus(*cell(*cursor_), true);
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
            setReading(*sums_[index(section)][index(column)], sumReading(section, column, engine.sum(section, column)));
        }
        setReading(*totals_[index(section)], totalReading(section, engine.total(section)));
    }
    setReading(*grandTotal_, scoreReading(engine.grandTotal()));
    setReading(*rollsLeft_, rollsReading(engine.rollsLeftText()));
    setReading(*zvanje_, callReading(engine.zvanjeText(), called));
}

void SheetAccess::showDie(int n, const Die& die)
{
    setReading(*dice_[n - 1], dieReading(n, die));
}

}  // namespace dakru::ui
