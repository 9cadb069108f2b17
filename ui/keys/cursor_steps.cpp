#include "cursor_steps.h"

#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace dakru::ui {
namespace {

// Row by row from the top, left to right within a row.
std::vector<CellPlace> readingOrder(const WritableCell& writable)
{
    std::vector<CellPlace> cells;
    for (int row = 1; row <= kRowCount; ++row) {
        for (const Column column : kColumns) {
            if (writable({column, row})) {
                cells.push_back({column, row});
            }
        }
    }
    return cells;
}

// How far `to` lies off the arrow's line and along it; none when it does not
// lie on that side. A cell on the same row (column) comes first, then the
// nearest line; ties go to the cell read first.
std::optional<std::tuple<int, int, int, int>> distance(CellPlace from, CellPlace to, CursorStep step)
{
    const int across = index(to.column) - index(from.column);
    const int down = to.row - from.row;
    int along = 0;
    int aside = 0;
    switch (step) {
    case CursorStep::Left:
        along = -across;
        aside = down;
        break;
    case CursorStep::Right:
        along = across;
        aside = down;
        break;
    case CursorStep::Up:
        along = -down;
        aside = across;
        break;
    case CursorStep::Down:
        along = down;
        aside = across;
        break;
    default: return std::nullopt;
    }
    if (along <= 0) {
        return std::nullopt;
    }
    return std::tuple{std::abs(aside), along, to.row, index(to.column)};
}

int physicalKey(int key)
{
    return key == Qt::Key_Backtab ? Qt::Key_Tab : key;
}

}  // namespace

std::optional<CursorStep> cursorStep(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Left: return CursorStep::Left;
    case Qt::Key_Right: return CursorStep::Right;
    case Qt::Key_Up: return CursorStep::Up;
    case Qt::Key_Down: return CursorStep::Down;
    case Qt::Key_Backtab: return CursorStep::Previous;
    case Qt::Key_Tab: return modifiers.testFlag(Qt::ShiftModifier) ? CursorStep::Previous : CursorStep::Next;
    default: return std::nullopt;
    }
}

void CursorKeys::pressed(const QKeyEvent& event)
{
    if (const std::optional<CursorStep> step = cursorStep(event.key(), event.modifiers())) {
        down_.insert(physicalKey(event.key()), *step);
    }
}

std::optional<CursorStep> CursorKeys::released(const QKeyEvent& event)
{
    const auto pressed = down_.constFind(physicalKey(event.key()));
    if (pressed == down_.cend()) {
        return std::nullopt;
    }
    const CursorStep step = *pressed;
    down_.erase(pressed);
    return step;
}

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

std::optional<CellPlace> stepCursor(std::optional<CellPlace> from, CursorStep step, const WritableCell& writable)
{
    const std::vector<CellPlace> cells = readingOrder(writable);
    if (cells.empty()) {
        return std::nullopt;
    }
    if (!from) {
        return step == CursorStep::Previous ? cells.back() : cells.front();
    }
    if (step == CursorStep::Next || step == CursorStep::Previous) {
        // The first cell read after (before) the cursor, going round.
        const auto before = [](CellPlace a, CellPlace b) {
            return std::pair{a.row, index(a.column)} < std::pair{b.row, index(b.column)};
        };
        if (step == CursorStep::Next) {
            for (const CellPlace cell : cells) {
                if (before(*from, cell)) {
                    return cell;
                }
            }
            return cells.front();
        }
        const auto previous =
            std::find_if(cells.rbegin(), cells.rend(), [&](const CellPlace& cell) { return before(cell, *from); });
        return previous != cells.rend() ? *previous : cells.back();
    }
    std::optional<CellPlace> nearest;
    std::optional<std::tuple<int, int, int, int>> best;
    for (const CellPlace cell : cells) {
        const auto d = distance(*from, cell, step);
        if (d && (!best || *d < *best)) {
            best = d;
            nearest = cell;
        }
    }
    return nearest ? nearest : from;
}

}  // namespace dakru::ui
