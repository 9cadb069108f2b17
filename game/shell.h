#pragma once

#include <cstdint>
#include <string>

#include "cue.h"
#include "game_state.h"
#include "seat.h"

namespace dakru {

// Where the cover picture lies: in front of the sheet (title screen, finished
// game) or behind it (during play).
enum class Cover { Front, Back };

// Everything the rules ask of the platform. The Qt windows implement it; tests
// use a recording fake. Muting is decided by the engine: a cue that reaches the
// shell is meant to be heard.
class Shell {
public:
    virtual ~Shell() = default;

    // Starts a cue and returns at once; a new cue cuts off the one still playing.
    virtual void playCue(Cue cue) = 0;
    // Plays a cue and returns only when it has ended (the rolling sounds).
    virtual void playCueAndWait(Cue cue) = 0;

    // Modal box titled "Dakru", no icon, an OK button.
    virtual void showMessage(const std::string& text) = 0;
    // Modal box titled "Dakru", no icon, Yes (the default) and No. True for Yes.
    virtual bool askYesNo(const std::string& text) = 0;

    virtual void FrontBack(Cover cover) = 0;

    // Shows a picture from the Pictures folder ("d.jpg", "d3.jpg", "d3s.jpg")
    // in the picture box of die 1 to 5.
    virtual void showDiePicture(int die, const std::string& fileName) = 0;

    // The game-end hand-over: mark a score as pending in the high-score window,
    // pass it the final score and show it. The high-score side answers, once it
    // has dealt with the score, by calling Engine::ScoreDealtWith.
    virtual void handOverFinalScore(std::int16_t FinalScore) = 0;

    // Every finished game of a person, as the game-end hand-over starts,
    // whether or not its score may go into the table: the history keeps them
    // all. With its record; `table` holds the players of a game for several
    // (empty for one player alone), of whom this game's is `seat`.
    virtual void recordFinishedGame(const GameState& game, const GameRecord& record, const std::vector<Seat>& table,
                                    int seat) = 0;

    // The end of a game for several players: the ranking, best first, for
    // the windows to show, and every person's score, in that order, for the
    // table of the ten best. The high-score side answers, once it has dealt
    // with them all, by calling Engine::ScoreDealtWith.
    virtual void handOverTable(const std::vector<Placing>& ranking) = 0;

    // A new game's identity, made at its first roll.
    virtual GameId newGameId() { return GameId::make(); }
};

}  // namespace dakru
