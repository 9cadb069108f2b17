#pragma once

#include <filesystem>

#include "dialogs.h"
#include "form1.h"
#include "random_source.h"
#include "score_dialogs.h"
#include "score_file_location.h"
#include "sdl_cue_player.h"
#include "table_dialogs.h"

namespace dakru::ui {

// Where the game finds its data and keeps the player's files.
struct GameFolders {
    std::filesystem::path data;    // holds Pictures/ and Sounds/
    scores::TableFile tableFile;   // the high-score table in use
    std::filesystem::path player;  // the kept game and the settings
};

// The game as the program runs it: the cue player, the dice, the boxes and the
// main window, put together in one place so that the program and the
// benchmark run the same thing.
class Game {
public:
    explicit Game(const GameFolders& folders);

    Form1& window() { return form_; }

    // Shows the main window. Once its first frame is on screen, and before
    // any input reaches it, the game kept by the last run is read; the icon and
    // the sound, with the intro cue, follow.
    void start();

private:
    SdlCuePlayer cues_;
    EntropyRandomSource random_;
    QtDialogs dialogs_;
    scores::QtScoreDialogs scoreDialogs_;
    table::QtTableDialogs tableDialogs_;
    Form1 form_;
};

}  // namespace dakru::ui
