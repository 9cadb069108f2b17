#pragma once

#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "game_state_codec.h"
#include "harness.h"
#include "history_reading.h"
#include "row_value.h"
#include "sheet_names.h"

// Games brought near their end without playing them turn by turn, and what
// the player's folder holds of them.
namespace dakru::ui::testing {

// A game kept between turns with every cell written but Down's Dakru, as
// sixes write them; the next roll of sixes and a click on that cell end it.
inline GameState oneCellFromTheEnd()
{
    GameState state;
    for (auto& column : state.cells) {
        for (int row = 1; row <= kRowCount; ++row) {
            column[static_cast<std::size_t>(row - 1)].value = RowValue(row, {6, 6, 6, 6, 6});
        }
    }
    state.cells[index(Column::Down)][row::Dakru - 1].value.reset();
    state.RollCount = 0;
    state.CalledRow = 0;
    state.DiceFaces.fill(0);  // as a turn's end leaves them
    state.id = GameId::make();
    return state;
}

inline std::string fileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeText(const std::filesystem::path& file, const std::string& text)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

inline std::filesystem::path keptFile(const Harness& harness)
{
    return harness.playerDir / "kept-game.txt";
}

// Starts the program again with this game kept.
inline void restartKeeping(Harness& harness, const GameState& state)
{
    harness.restart([&] { writeText(keptFile(harness), encodeGameState(state)); });
}

// The last cell written: the game-end watch then hands the score over, and
// the table window takes it once it is active.
inline void writeTheLastCell(Harness& harness)
{
    harness.click("G1");
    harness.click(cellName(Column::Down, row::Dakru));
    harness.form->Timer1_Timer();
}

// Runs the event loop until `done`, going on as soon as an event comes rather
// than in steps of ten milliseconds: the fault-injection run waits thousands
// of times.
inline bool waitUntil(const std::function<bool()>& done)
{
    QTimer wake;  // so that a wait for events ends now and then, to look at the clock
    wake.start(20);
    const QDeadlineTimer deadline(10000);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// Until every recording and reading under way has been answered, the one
// after the first frame of a start included.
inline bool historySettles(const Harness& harness)
{
    if (!waitUntil([&] { return harness.form->windowHandle() && harness.form->windowHandle()->isExposed(); })) {
        return false;
    }
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return waitUntil([&] { return harness.form->gameHistory().idle(); });
}

inline std::vector<history::FinishedGame> historyGames(const Harness& harness)
{
    return history::readHistory(harness.playerDir / "history.sqlite").games;
}

inline int rowsOf(const std::vector<history::FinishedGame>& games, const GameId& id)
{
    return static_cast<int>(
        std::count_if(games.begin(), games.end(), [&](const auto& game) { return game.gameId == id.text(); }));
}

}  // namespace dakru::ui::testing
