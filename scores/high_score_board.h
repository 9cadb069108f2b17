#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "entry_text.h"

namespace dakru::scores {

// What the insertion needs from around it: the player, the sound and the
// main window.
struct InsertionServices {
    // The modal name prompt, titled "Dakru", starting with `offered` (empty
    // for the game alone); "" when cancelled.
    std::function<std::string(const std::string& prompt, const std::string& offered)> askName;
    // A modal message box titled "Dakru".
    std::function<void(const std::string& text)> showMessage;
    std::function<bool()> soundOff;
    std::function<void(bool placed)> playScoreCue;  // true: ScoreHigh, false: ScoreNo
    std::function<void(int seat)> scoreTaking;      // the entry is about to be written: never again
    std::function<void()> hideRoll;                 // the finished game is dealt with
    std::function<void()> labelsChanged;            // the shown entries have changed
};

inline constexpr std::string_view kNotSavedMessage =
    "Your score could not be saved: the high-score file could not be written.";
// Added to it when the disk is full.
inline constexpr std::string_view kDiskFullAdvice = " The disk is full: free some space on it.";

// A score waiting to be entered: a finished game's, or one person's of a
// game for several (with the name the prompt offers, and the player's seat).
struct PendingScore {
    std::int16_t score = 0;
    std::string name;
    int seat = 0;
    bool operator==(const PendingScore&) const = default;
};

// The high-score table of the high-score window: the entries read from the
// file at the last activation (used for ranking), the entries shown (moved
// and rewritten by an insertion), and the scores that wait to be entered.
class HighScoreBoard {
public:
    HighScoreBoard(std::filesystem::path file, InsertionServices services);

    // Reads the file into both copies of the table. Skipped while an insertion
    // is running: its half-moved entries are what the file is about to hold.
    void reload();

    // The game-end hand-over: a score is now pending. The game-end watch
    // repeats it until the insertion hides Roll, so it may arrive while that
    // insertion's prompt is open; the insertion ends the pending state last.
    void handOver(std::int16_t FinalScore);
    // The end of a game for several players: every person's score, best
    // first, each entered in turn by the same insertion.
    void handOver(std::vector<PendingScore> scores);

    // The insertion: ranks the pending score, asks for the name when it has a
    // place, rewrites the file, plays the cue and ends the pending state. The
    // rank and the prompt come from the table read at the activation; the file
    // is rewritten from what it holds at the end of the prompt, so that scores
    // another copy of the game entered meanwhile stay. Does
    // nothing without a pending score, and nothing when entered again from
    // within its own prompt or message.
    void SaveScore_Click();

    bool scorePending() const { return !pending_.empty(); }
    bool inserting() const { return inserting_; }
    // The next score to enter, or the last one entered.
    std::int16_t FinalScore() const { return pending_.empty() ? entered_ : pending_.front().score; }
    const HighScoreTable& shownEntries() const { return shown_; }
    const HighScoreTable& readEntries() const { return read_; }
    const std::filesystem::path& file() const { return file_; }

private:
    void enter(const PendingScore& pending);
    void insertAt(int place, const PendingScore& pending);

    std::filesystem::path file_;
    InsertionServices services_;
    HighScoreTable read_;
    HighScoreTable shown_;
    std::vector<PendingScore> pending_;
    std::int16_t entered_ = 0;
    bool inserting_ = false;
};

}  // namespace dakru::scores
