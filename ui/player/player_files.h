#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "game_state.h"
#include "write_error.h"

namespace dakru::ui {

class KeptGameLock;

// The player's own files in the per-user data folder: the game kept between
// runs and the settings. Without a folder nothing is read or kept. Only plain
// files are read or replaced: anything else in their place (a folder, a FIFO,
// a device) is reported in one line and left alone.
class PlayerFiles {
public:
    // Told of every write that fails (a full disk, a failing one).
    using WriteFailed = std::function<void(const storage::WriteError&)>;

    explicit PlayerFiles(std::filesystem::path folder = {}, WriteFailed writeFailed = {});
    ~PlayerFiles();
    PlayerFiles(const PlayerFiles&) = delete;
    PlayerFiles& operator=(const PlayerFiles&) = delete;

    bool soundOff();
    void rememberSoundOff(bool off);

    // Makes this copy of the program the keeper of the kept game, by a lock
    // beside its file that lasts while this copy runs (one that no running
    // copy holds is taken over), and reads the game kept by the last run. A
    // file this program cannot read or did not write is ignored with one line
    // on standard error. When another copy holds the lock, or the file is
    // another version's or no plain file, this copy keeps nothing and says so
    // in one line.
    std::optional<GameState> takeKeptGame();

    // Keeps the game, or, with none to keep, drops the kept one, whenever it
    // differs from what was kept last. Written whole to a temporary name and
    // renamed, so a failed write or a kill leaves the old file whole; a write
    // that failed is tried again at the next change. Without `mayDrop` (the
    // finished game is not yet on the disk anywhere else) the kept file is
    // never removed: the next start then hands that game over again.
    void keep(const std::optional<GameState>& game, bool mayDrop = true);

    // Called now and then while the game runs: shows copies of the game on
    // other hosts sharing this folder that this one still keeps the game.
    void stillKeeping();

private:
    std::filesystem::path file(const char* name) const;
    void failed(const char* what, const std::filesystem::path& file, const storage::WriteError& error);

    std::filesystem::path folder_;
    WriteFailed writeFailed_;
    std::unique_ptr<KeptGameLock> lock_;
    bool keeping_ = false;
    std::optional<GameState> kept_;  // what the file holds, as far as this copy knows
    bool keptFileIgnored_ = false;   // a damaged file, left until there is a game to keep
    bool writeFailing_ = false;      // reported once until a write succeeds
    bool settingsRefused_ = false;
};

}  // namespace dakru::ui
