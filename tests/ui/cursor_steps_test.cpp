#include <gtest/gtest.h>

#include <set>

#include "cursor_steps.h"

namespace dakru::ui {
namespace {

TEST(CursorSteps, ArrowsGoToTheNearestWritableCellOnTheirSideTabGoesRound)
{
    using enum Column;
    // In reading order: Down 1, Call 1, Down 2, Down\Up 3, Up 3, Down 4, Down\Up 14, Call 14.
    const std::set<std::pair<int, int>> yellow{{0, 1}, {3, 1}, {0, 2}, {1, 3}, {2, 3}, {0, 4}, {1, 14}, {3, 14}};
    const WritableCell writable = [&](CellPlace c) { return yellow.contains({index(c.column), c.row}); };
    const std::tuple<std::optional<CellPlace>, CursorStep, CellPlace> steps[] = {
        {std::nullopt, CursorStep::Down, {Down, 1}},  // the first press: first in reading order
        {std::nullopt, CursorStep::Left, {Down, 1}},
        {std::nullopt, CursorStep::Next, {Down, 1}},
        {std::nullopt, CursorStep::Previous, {Call, 14}},
        {CellPlace{Down, 1}, CursorStep::Right, {Call, 1}},  // along its own row first
        {CellPlace{Down, 1}, CursorStep::Down, {Down, 2}},
        {CellPlace{Down, 1}, CursorStep::Left, {Down, 1}},  // nothing on that side: it stays
        {CellPlace{Down, 1}, CursorStep::Up, {Down, 1}},
        {CellPlace{Down, 2}, CursorStep::Down, {Down, 4}},
        {CellPlace{DownUp, 3}, CursorStep::Right, {Up, 3}},
        {CellPlace{DownUp, 3}, CursorStep::Left, {Down, 2}},  // then the nearest row; Down 2 and 4 tie: the upper
        {CellPlace{DownUp, 3}, CursorStep::Down, {DownUp, 14}},
        {CellPlace{Up, 3}, CursorStep::Up, {Call, 1}},
        {CellPlace{Up, 3}, CursorStep::Right, {Call, 1}},
        {CellPlace{Call, 14}, CursorStep::Left, {DownUp, 14}},
        {CellPlace{Call, 14}, CursorStep::Right, {Call, 14}},
        {CellPlace{Call, 1}, CursorStep::Next, {Down, 2}},
        {CellPlace{Call, 14}, CursorStep::Next, {Down, 1}},  // Tab goes round
        {CellPlace{Down, 1}, CursorStep::Previous, {Call, 14}},
        {CellPlace{Down, 4}, CursorStep::Previous, {Up, 3}},
    };
    for (const auto& [from, step, to] : steps) {
        EXPECT_EQ(stepCursor(from, step, writable), to)
            << (from ? index(from->column) : -1) << "/" << (from ? from->row : 0) << " step " << static_cast<int>(step);
    }
}

}  // namespace
}  // namespace dakru::ui
