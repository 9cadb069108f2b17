#include "player_files.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <cstdio>
#include <system_error>

#include "game_state_codec.h"
#include "kept_game_lock.h"
#include "replace_file.h"
#include "settings_text.h"

namespace dakru::ui {
namespace {

constexpr char kKeptGameFile[] = "kept-game.txt";
constexpr char kKeptGameLock[] = "kept-game.txt.lock";
constexpr char kSettingsFile[] = "settings.ini";
const QString kSoundOffKey = QStringLiteral("sound/off");
// A few short lines; anything much longer is not a kept game.
constexpr qint64 kMaxKeptGameSize = 4096;

QString qtPath(const std::filesystem::path& file)
{
    return QString::fromStdU16String(file.u16string());
}

void say(const QString& line)
{
    std::fprintf(stderr, "dakru: %s\n", qPrintable(line));
}

void report(const char* what, const std::filesystem::path& file, const QString& why)
{
    say(QStringLiteral("%1 %2: %3").arg(QLatin1String(what), QDir::toNativeSeparators(qtPath(file)), why));
}

// True for a plain file or none at all. Looked at before anything opens the
// name, since opening a FIFO waits for a writer and a device may do anything.
bool plainOrAbsent(const std::filesystem::path& file)
{
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(file, error).type();
    return type == std::filesystem::file_type::not_found || type == std::filesystem::file_type::regular;
}

const QString kNotPlain = QStringLiteral("not a plain file");
const QString kNotKept = QStringLiteral("; this game will not be kept");

}  // namespace

PlayerFiles::PlayerFiles(std::filesystem::path folder, WriteFailed writeFailed)
    : folder_(std::move(folder)), writeFailed_(std::move(writeFailed))
{
}

PlayerFiles::~PlayerFiles() = default;

std::filesystem::path PlayerFiles::file(const char* name) const
{
    return folder_ / name;
}

void PlayerFiles::failed(const char* what, const std::filesystem::path& file, const storage::WriteError& error)
{
    report(what, file, QString::fromStdString(error.text()));
    if (writeFailed_) {
        writeFailed_(error);
    }
}

bool PlayerFiles::soundOff()
{
    if (folder_.empty()) {
        return false;
    }
    if (!plainOrAbsent(file(kSettingsFile))) {
        report("ignoring the settings in", file(kSettingsFile), kNotPlain);
        settingsRefused_ = true;
        return false;
    }
    return QSettings(qtPath(file(kSettingsFile)), QSettings::IniFormat).value(kSoundOffKey, false).toBool();
}

void PlayerFiles::rememberSoundOff(bool off)
{
    const std::filesystem::path path = file(kSettingsFile);
    if (folder_.empty() || settingsRefused_) {
        return;
    }
    if (!plainOrAbsent(path)) {
        report("could not remember the sound switch in", path, kNotPlain);
        settingsRefused_ = true;
        return;
    }
    // The settings the file holds stay as they are; only the switch changes.
    QMap<QString, QVariant> values;
    const QSettings current(qtPath(path), QSettings::IniFormat);
    for (const QString& key : current.allKeys()) {
        values.insert(key, current.value(key));
    }
    values.insert(kSoundOffKey, off);
    QDir().mkpath(qtPath(folder_));
    const QByteArray text = settingsText(values);
    if (const auto error = storage::replaceFile(path, std::string_view(text.constData(), text.size()))) {
        failed("could not remember the sound switch in", path, *error);
    }
}

std::optional<GameState> PlayerFiles::takeKeptGame()
{
    keeping_ = false;
    kept_.reset();
    keptFileIgnored_ = false;
    if (folder_.empty()) {
        return std::nullopt;
    }
    const std::filesystem::path path = file(kKeptGameFile);
    const std::filesystem::path lockPath = file(kKeptGameLock);
    if (!QDir().mkpath(qtPath(folder_))) {
        report("cannot keep the game in", folder_, QStringLiteral("the folder cannot be made") + kNotKept);
        return std::nullopt;
    }
    if (!plainOrAbsent(lockPath)) {
        report("cannot lock the kept game with", lockPath, kNotPlain + kNotKept);
        return std::nullopt;
    }
    auto lock = std::make_unique<KeptGameLock>(lockPath);
    if (const std::optional<QString> refused = lock->take()) {
        say(*refused);
        return std::nullopt;
    }
    if (!plainOrAbsent(path)) {
        report("leaving alone", path, kNotPlain + kNotKept);
        return std::nullopt;
    }
    lock_ = std::move(lock);
    keeping_ = true;

    QFile in(qtPath(path));
    if (!in.exists()) {
        return std::nullopt;
    }
    const auto ignore = [&](const QString& why) {
        report("ignoring the kept game in", path, why);
        keptFileIgnored_ = true;
        return std::nullopt;
    };
    if (!in.open(QIODevice::ReadOnly)) {
        return ignore(in.errorString());
    }
    const QByteArray text = in.read(kMaxKeptGameSize + 1);
    if (text.size() > kMaxKeptGameSize) {
        return ignore(QStringLiteral("too large"));
    }
    DecodedGameState decoded =
        decodeGameState(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (decoded.otherVersion) {
        report("leaving alone the kept game in", path, QString::fromStdString(decoded.error) + kNotKept);
        keeping_ = false;
        lock_.reset();
        return std::nullopt;
    }
    if (!decoded.state) {
        return ignore(QString::fromStdString(decoded.error));
    }
    kept_ = decoded.state;
    return decoded.state;
}

void PlayerFiles::keep(const std::optional<GameState>& game, bool mayDrop)
{
    if (!keeping_ || game == kept_) {
        return;
    }
    const std::filesystem::path path = file(kKeptGameFile);
    if (!plainOrAbsent(path)) {
        if (!std::exchange(writeFailing_, true)) {
            report("could not keep the game in", path, kNotPlain);
        }
        return;
    }
    const auto drop = [&] {
        std::error_code error;
        std::filesystem::remove(path, error);
        return !error;
    };
    if (!game) {
        if (!mayDrop) {
            return;
        }
        // A damaged file stays for whoever can read it until there is a game to keep.
        if (!keptFileIgnored_ && !drop()) {
            if (!std::exchange(writeFailing_, true)) {
                report("could not keep the game in", path, QStringLiteral("it cannot be removed"));
            }
            return;
        }
        kept_.reset();
        return;
    }
    const std::string text = encodeGameState(*game);
    // The last write of a game whose score the table takes must outlast a power cut too.
    const auto durability = game->scoreTaken ? storage::Durability::ContentAndName : storage::Durability::Content;
    if (const std::optional<storage::WriteError> error = storage::replaceFile(path, text, durability)) {
        // A game whose score the table is taking must not come back as one
        // still to be entered: without its new state on the disk, it goes.
        if (game->scoreTaken && mayDrop && drop()) {
            kept_.reset();
        }
        if (!std::exchange(writeFailing_, true)) {
            failed("could not keep the game in", path, *error);
        }
        return;
    }
    kept_ = game;
    keptFileIgnored_ = false;
    writeFailing_ = false;
}

void PlayerFiles::stillKeeping()
{
    if (lock_) {
        lock_->keepFresh();
    }
}

}  // namespace dakru::ui
