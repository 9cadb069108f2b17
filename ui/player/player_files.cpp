#include "player_files.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <cstdio>
#include <system_error>

#include "game_state_codec.h"

namespace dakru::ui {
namespace {

constexpr char kKeptGameFile[] = "kept-game.txt";
constexpr char kKeptGameLock[] = "kept-game.txt.lock";
constexpr char kSettingsFile[] = "settings.ini";
const QString kSoundOffKey = QStringLiteral("sound/off");
// Ten short lines; anything much longer is not a kept game.
constexpr qint64 kMaxKeptGameSize = 4096;

QString qtPath(const std::filesystem::path& file)
{
    return QString::fromStdU16String(file.u16string());
}

void report(const char* what, const std::filesystem::path& file, const QString& why)
{
    std::fprintf(stderr, "dakru: %s %s: %s\n", what, qPrintable(QDir::toNativeSeparators(qtPath(file))),
                 qPrintable(why));
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

PlayerFiles::PlayerFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

PlayerFiles::~PlayerFiles() = default;

std::filesystem::path PlayerFiles::file(const char* name) const
{
    return folder_ / name;
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
    if (folder_.empty() || settingsRefused_) {
        return;
    }
    if (!plainOrAbsent(file(kSettingsFile))) {
        report("could not remember the sound switch in", file(kSettingsFile), kNotPlain);
        settingsRefused_ = true;
        return;
    }
    QSettings settings(qtPath(file(kSettingsFile)), QSettings::IniFormat);
    settings.setValue(kSoundOffKey, off);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        report("could not remember the sound switch in", file(kSettingsFile), QStringLiteral("write failed"));
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
    auto lock = std::make_unique<QLockFile>(qtPath(lockPath));
    // Held for as long as this copy runs: only a lock whose copy is gone is stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError) {
            report("another copy of the game keeps the game in", path,
                   QStringLiteral("this one plays a game that will not be kept"));
        } else {
            report("cannot lock the kept game with", lockPath, QStringLiteral("no access") + kNotKept);
        }
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

void PlayerFiles::keep(const std::optional<GameState>& game)
{
    if (!keeping_ || game == kept_) {
        return;
    }
    const std::filesystem::path path = file(kKeptGameFile);
    const auto failed = [&](const QString& why) {
        if (!std::exchange(writeFailed_, true)) {
            report("could not keep the game in", path, why);
        }
    };
    if (!plainOrAbsent(path)) {
        return failed(kNotPlain);
    }
    if (!game) {
        // A damaged file stays for whoever can read it until there is a game to keep.
        if (!keptFileIgnored_ && QFile::exists(qtPath(path)) && !QFile::remove(qtPath(path))) {
            return failed(QStringLiteral("it cannot be removed"));
        }
        kept_.reset();
        return;
    }
    QSaveFile out(qtPath(path));
    const std::string text = encodeGameState(*game);
    const auto size = static_cast<qint64>(text.size());
    // The commit flushes the file to the disk before it takes the old one's name.
    if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), size) != size || !out.commit()) {
        return failed(out.errorString());
    }
    kept_ = game;
    keptFileIgnored_ = false;
    writeFailed_ = false;
}

}  // namespace dakru::ui
