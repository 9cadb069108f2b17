#pragma once

#include <filesystem>
#include <optional>

#include "game_state.h"

namespace dakru::ui {

// The player's own files in the per-user data folder: the game kept between
// runs and the settings. Without a folder nothing is read or kept.
class PlayerFiles {
public:
    explicit PlayerFiles(std::filesystem::path folder = {});

    bool soundOff() const;
    void rememberSoundOff(bool off) const;

    // The game kept by the last run. A file this program cannot read, or did
    // not write, is ignored with one line on standard error and left as it is.
    std::optional<GameState> loadKeptGame();
    // Keeps the game, or, with none to keep, drops the kept one. Written to a
    // temporary name and renamed, so a failed write leaves the old file whole.
    void keep(const std::optional<GameState>& game);

private:
    std::filesystem::path file(const char* name) const;

    std::filesystem::path folder_;
    bool keptFileIgnored_ = false;
};

}  // namespace dakru::ui
