#include "high_score_board.h"

#include <algorithm>
#include <utility>

#include "table_file.h"

namespace dakru::scores {
namespace {

// Clears the running marker however the insertion is left.
class RunningMark {
public:
    explicit RunningMark(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningMark() { flag_ = false; }
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

private:
    bool& flag_;
};

}  // namespace

HighScoreBoard::HighScoreBoard(std::filesystem::path file, InsertionServices services)
    : file_(std::move(file)), services_(std::move(services))
{
}

void HighScoreBoard::reload()
{
    if (inserting_)
        return;
    read_ = readTable(file_);
    shown_ = read_;
    services_.labelsChanged();
}

void HighScoreBoard::handOver(std::int16_t FinalScore)
{
    pending_ = {PendingScore{FinalScore, {}, 0}};
}

void HighScoreBoard::handOver(std::vector<PendingScore> scores)
{
    pending_ = std::move(scores);
}

void HighScoreBoard::SaveScore_Click()
{
    if (pending_.empty() || inserting_)
        return;
    const RunningMark running(inserting_);

    // Each score is ranked against the table as its own entry left it.
    for (bool first = true; !pending_.empty(); first = false) {
        if (!first) {
            read_ = readTable(file_);
            shown_ = read_;
            services_.labelsChanged();
        }
        enter(pending_.front());
        entered_ = pending_.front().score;
        pending_.erase(pending_.begin());
    }
    services_.hideRoll();
}

void HighScoreBoard::enter(const PendingScore& pending)
{
    if (const std::optional<int> place = findPlace(read_, pending.score)) {
        insertAt(*place, pending);
    } else if (!services_.soundOff()) {
        services_.playScoreCue(false);
    }
}

void HighScoreBoard::insertAt(int place, const PendingScore& pending)
{
    for (int k = kEntryCount - 1; k > place; --k)
        shown_[k] = shown_[k - 1];
    services_.labelsChanged();

    const std::string name = services_.askName(namePrompt(place), pending.name);
    const std::string entry = EntryText(pending.score, name);
    shown_[place] = entry;
    services_.labelsChanged();

    // Another copy of the game may have entered a score since the activation:
    // the entry goes where it ranks in the table as the file holds it now.
    // From here on the score belongs to the table, even if the program is
    // killed before the file is written: a restart never enters it again.
    if (services_.scoreTaking)
        services_.scoreTaking(pending.seat);
    std::optional<int> now;
    std::optional<storage::WriteError> failure;
    const std::optional<HighScoreTable> written = updateTable(
        file_,
        [&](HighScoreTable& table) {
            now = findPlace(table, pending.score);
            if (now) {
                std::shift_right(table.begin() + *now, table.end(), 1);
                table[static_cast<std::size_t>(*now)] = entry;
            }
            return now.has_value();
        },
        &failure);
    if (!written) {
        const bool full = failure && failure->noSpace();
        services_.showMessage(std::string(kNotSavedMessage) + std::string(full ? kDiskFullAdvice : ""));
        return;
    }
    if (*written != shown_) {
        shown_ = *written;
        services_.labelsChanged();
    }
    if (!services_.soundOff())
        services_.playScoreCue(now.has_value());
    // The player was promised a place; if it went to another score, say where this one went.
    if (!now || *now > place)
        services_.showMessage(placeTakenMessage(now));
}

}  // namespace dakru::scores
