#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

#include "game_record.h"
#include "game_state.h"
#include "seat.h"
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
    // Every setting as the file holds it ("section/name" keys); `remember`
    // changes the ones given and keeps the others.
    QMap<QString, QVariant> settings();
    void remember(const QMap<QString, QVariant>& values);

    // Makes this copy of the program the keeper of the kept game, by a lock
    // beside its file that lasts while this copy runs (one that no running
    // copy holds is taken over), and reads the game kept by the last run. A
    // file this program cannot read or did not write is ignored with one line
    // on standard error. When another copy holds the lock, or the file is
    // another version's or no plain file, this copy keeps nothing and says so
    // in one line.
    struct KeptGame {
        GameState state;
        std::optional<GameRecord> record;  // none when the file had none this program reads
    };
    // A game for one player, or a table of several.
    using Kept = std::variant<KeptGame, TableGames>;
    std::optional<Kept> takeKeptGame();

    // Keeps the game with its record, or, with none to keep, drops the kept
    // one, whenever either differs from what was kept last. Written whole to a
    // temporary name and renamed, so a failed write or a kill leaves the old
    // file whole; a write that failed is tried again at the next change.
    // Without `mayDrop` (a finished game is not yet on the disk anywhere
    // else) the kept file is never removed: the next start then hands that
    // game over again.
    void keep(const std::optional<GameState>& game, const GameRecord& record, bool mayDrop = true);
    // The same for a game of several players, kept whole.
    void keep(const TableGames& table, bool mayDrop = true);

    // Called now and then while the game runs: shows copies of the game on
    // other hosts sharing this folder that this one still keeps the game.
    void stillKeeping();

private:
    std::filesystem::path file(const char* name) const;
    bool write(const std::string& text, bool scoreTaken);
    bool drop();
    void failed(const char* what, const std::filesystem::path& file, const storage::WriteError& error);

    std::filesystem::path folder_;
    WriteFailed writeFailed_;
    std::unique_ptr<KeptGameLock> lock_;
    bool keeping_ = false;
    std::optional<GameState> kept_;  // what the file holds, as far as this copy knows
    GameRecord keptRecord_;
    std::optional<TableGames> keptTable_;
    bool keptFileIgnored_ = false;  // a damaged file, left until there is a game to keep
    bool writeFailing_ = false;     // reported once until a write succeeds
    bool settingsRefused_ = false;
};

}  // namespace dakru::ui
