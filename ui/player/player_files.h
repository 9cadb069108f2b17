#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "game_state.h"

class QLockFile;

namespace dakru::ui {

// The player's own files in the per-user data folder: the game kept between
// runs and the settings. Without a folder nothing is read or kept. Only plain
// files are read or replaced: anything else in their place (a folder, a FIFO,
// a device) is reported in one line and left alone.
class PlayerFiles {
public:
    explicit PlayerFiles(std::filesystem::path folder = {});
    ~PlayerFiles();
    PlayerFiles(const PlayerFiles&) = delete;
    PlayerFiles& operator=(const PlayerFiles&) = delete;

    bool soundOff();
    void rememberSoundOff(bool off);

    // Makes this copy of the program the keeper of the kept game, by a lock
    // beside its file that lasts while this copy runs (and that a killed copy
    // leaves stale, to be taken over), and reads the game kept by the last
    // run. A file this program cannot read or did not write is ignored with
    // one line on standard error. When another copy holds the lock, or the
    // file is another version's or no plain file, this copy keeps nothing and
    // says so in one line.
    std::optional<GameState> takeKeptGame();

    // Keeps the game, or, with none to keep, drops the kept one, whenever it
    // differs from what was kept last. Written whole to a temporary name and
    // renamed, so a failed write or a kill leaves the old file whole.
    void keep(const std::optional<GameState>& game);

private:
    std::filesystem::path file(const char* name) const;

    std::filesystem::path folder_;
    std::unique_ptr<QLockFile> lock_;
    bool keeping_ = false;
    std::optional<GameState> kept_;  // what the file holds, as far as this copy knows
    bool keptFileIgnored_ = false;   // a damaged file, left until there is a game to keep
    bool writeFailed_ = false;       // reported once until a write succeeds
    bool settingsRefused_ = false;
};

}  // namespace dakru::ui
