#include "game_history.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>

#include "game_record_codec.h"
#include "history_database.h"
#include "totals.h"
#include "version.h"

namespace dakru::ui::statistics {

// One thread that runs the history's jobs in the order they come. Closing
// lets it finish the jobs already given, then ends it.
class HistoryWorker {
public:
    HistoryWorker() : thread_([this] { run(); }) {}
    ~HistoryWorker()
    {
        {
            const std::lock_guard lock(mutex_);
            closing_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    HistoryWorker(const HistoryWorker&) = delete;
    HistoryWorker& operator=(const HistoryWorker&) = delete;

    void post(std::function<void()> job)
    {
        {
            const std::lock_guard lock(mutex_);
            jobs_.push_back(std::move(job));
        }
        wake_.notify_one();
    }

private:
    void run()
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return closing_ || !jobs_.empty(); });
                if (jobs_.empty()) {
                    return;
                }
                job = std::move(jobs_.front());
                jobs_.pop_front();
            }
            job();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool closing_ = false;
    std::thread thread_;  // last: it starts once everything above is ready
};

namespace {

// "you,easy,person,strong": every player's kind in the order of play.
std::string tableText(const std::vector<Seat>& table, int seat)
{
    std::string text;
    for (std::size_t n = 0; n < table.size(); ++n) {
        text += (n == 0 ? "" : ",");
        text += static_cast<int>(n) == seat ? std::string("you") : table[n].computer.value_or("person");
    }
    return text;
}

bool sheetFull(const GameState& state)
{
    for (const auto& column : state.cells) {
        for (const Cell& cell : column) {
            if (!cell.value) {
                return false;
            }
        }
    }
    return true;
}

// A failure of the history's own writes, as the player is told of a failed write.
std::optional<storage::WriteError> asWriteError(const history::HistoryError& error)
{
    const auto code = [&](std::errc otherwise) {
        return error.systemError != 0 ? std::error_code(error.systemError, std::generic_category())
                                      : std::make_error_code(otherwise);
    };
    switch (error.trouble) {
    case history::Trouble::NoSpace:
        return storage::WriteError{storage::Step::Write, std::make_error_code(std::errc::no_space_on_device)};
    case history::Trouble::WriteFailed: return storage::WriteError{storage::Step::Write, code(std::errc::io_error)};
    case history::Trouble::ReadOnly:
        return storage::WriteError{storage::Step::Write, code(std::errc::read_only_file_system)};
    default: return std::nullopt;  // busy: recorded later; the others are said on standard error
    }
}

}  // namespace

history::FinishedGame finishedGame(const GameState& state, int secondsPlayed, std::string endedAt)
{
    history::FinishedGame game;
    game.endedAt = std::move(endedAt);
    game.secondsPlayed = secondsPlayed;
    std::size_t i = 0;
    for (int row = 1; row <= kRowCount; ++row) {
        for (const Column column : kColumns) {
            game.cells[i++] = state.cells[index(column)][row - 1].value.value_or(0);
        }
    }
    const Totals totals = computeTotals(state.cells);
    for (const Section section : kSections) {
        for (const Column column : kColumns) {
            game.sectionSums[index(section)][index(column)] = totals.sums[index(section)][index(column)];
        }
    }
    game.finalScore = totals.grandTotal;
    game.assisted = state.assisted;
    game.version =
        std::to_string(version::major) + '.' + std::to_string(version::minor) + '.' + std::to_string(version::revision);
    if (state.id) {
        game.gameId = state.id->text();
    }
    return game;
}

GameHistory::GameHistory(std::filesystem::path file, WriteFailed writeFailed, history::Waiting waiting)
    : file_(std::move(file)),
      writeFailed_(std::move(writeFailed)),
      waiting_(waiting),
      keptAside_(file_.empty() ? std::filesystem::path() : file_.parent_path() / history::KeptAside::kFileName)
{
    if (waiting_.stop == nullptr) {
        waiting_.stop = &closing_;
    }
}

GameHistory::~GameHistory()
{
    closing_ = true;
    worker_.reset();
}

void GameHistory::follow(const GameState& state)
{
    if (!recorded_.empty() && !sheetFull(state)) {
        recorded_.clear();
        started_.reset();
    }
    if (recorded_.empty() && !started_ && state.RollCount.value_or(0) > 0) {
        started_ = std::chrono::steady_clock::now();
    }
}

void GameHistory::handedOver(const GameState& state, const GameRecord& record, const std::vector<Seat>& table, int seat)
{
    // A game from before identities is kept by no one else: it takes one now.
    const GameId id = state.id.value_or(GameId::make());
    if (recorded_.contains(id) || file_.empty() || !sheetFull(state)) {
        return;
    }
    // Marked first: the high-score side's boxes let the hand-over come again
    // before this one has finished.
    recorded_.insert(id);
    const auto now = std::chrono::steady_clock::now();
    const auto played = started_ ? std::chrono::duration_cast<std::chrono::seconds>(now - *started_).count() : 0;
    history::FinishedGame game =
        finishedGame(state, static_cast<int>(played), history::isoUtc(std::chrono::system_clock::now()));
    game.gameId = id.text();
    game.record = encodeGameRecord(record);
    game.table = tableText(table, seat);
    // On the disk before the worker is asked: a kill from here on loses nothing.
    if (const std::optional<storage::WriteError> failed = keptAside_.add(game)) {
        report({std::nullopt, failed});
    }
    recordKeptAside();
}

bool GameHistory::finishedGamesOnDisk()
{
    if (keptAside_.allOnDisk()) {
        return true;
    }
    // Asked at every tick: a full disk is tried again now and then, not each time.
    const auto now = std::chrono::steady_clock::now();
    if (lastKeptAsideTry_ && now - *lastKeptAsideTry_ < std::chrono::seconds(2)) {
        return false;
    }
    lastKeptAsideTry_ = now;
    return !keptAside_.writeAgain();
}

void GameHistory::recordKeptAside()
{
    if (file_.empty()) {
        return;
    }
    post([this] {
        const Outcome outcome = recordKeptAsideGames();
        answer([this, outcome] { report(outcome); });
    });
}

GameHistory::Outcome GameHistory::recordKeptAsideGames()
{
    Outcome outcome;
    const std::vector<history::FinishedGame> games = keptAside_.games();
    if (games.empty()) {
        return outcome;
    }
    history::HistoryError why;
    std::optional<history::HistoryDatabase> database = history::HistoryDatabase::open(file_, waiting_, &why);
    if (!database) {
        outcome.history = why;
        return outcome;
    }
    std::set<std::string> recorded;
    for (const history::FinishedGame& game : games) {
        if (std::optional<history::HistoryError> failed = database->add(game)) {
            outcome.history = std::move(failed);
            break;
        }
        recorded.insert(game.gameId);
    }
    database.reset();
    if (!recorded.empty()) {
        outcome.keptAside = keptAside_.remove(recorded);
    }
    return outcome;
}

void GameHistory::report(const Outcome& outcome)
{
    if (!writeFailed_) {
        return;
    }
    if (outcome.keptAside) {
        writeFailed_(*outcome.keptAside);
    }
    if (outcome.history) {
        if (const std::optional<storage::WriteError> failed = asWriteError(*outcome.history)) {
            writeFailed_(*failed);
        }
    }
}

void GameHistory::read(std::function<void(const history::HistoryContents&)> done)
{
    post([this, done = std::move(done)] {
        history::HistoryContents contents;
        if (!file_.empty() && !closing_) {
            contents = history::readHistory(file_, waiting_);
        } else {
            contents.missing = true;
        }
        // A game kept aside is one of the player's finished games all the
        // same: shown, though not yet recorded.
        if (!contents.error) {
            std::set<std::string> known;
            for (const history::FinishedGame& game : contents.games) {
                known.insert(game.gameId);
            }
            for (history::FinishedGame& game : keptAside_.games()) {
                if (!known.contains(game.gameId)) {
                    contents.games.push_back(std::move(game));
                }
            }
        }
        answer([done, contents = std::move(contents)] { done(contents); });
    });
}

std::optional<std::vector<history::FinishedGame>> GameHistory::games() const
{
    if (file_.empty()) {
        return std::nullopt;
    }
    history::HistoryContents contents = history::readHistory(file_, waiting_);
    if (contents.error) {
        return std::nullopt;
    }
    return std::move(contents.games);
}

void GameHistory::post(std::function<void()> job)
{
    if (!worker_) {
        worker_ = std::make_unique<HistoryWorker>();
    }
    ++pending_;
    worker_->post(std::move(job));
}

void GameHistory::answer(std::function<void()> onWindowThread)
{
    QMetaObject::invokeMethod(
        &answers_,
        [this, onWindowThread = std::move(onWindowThread)] {
            --pending_;
            onWindowThread();
        },
        Qt::QueuedConnection);
}

}  // namespace dakru::ui::statistics
