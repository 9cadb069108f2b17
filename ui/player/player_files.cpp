#include "player_files.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <algorithm>
#include <cstdio>
#include <system_error>

#include "kept_game_codec.h"
#include "kept_game_lock.h"
#include "replace_file.h"
#include "settings_text.h"

namespace dakru::ui {
namespace {

constexpr char kKeptGameFile[] = "kept-game.txt";
constexpr char kKeptGameLock[] = "kept-game.txt.lock";
constexpr char kSettingsFile[] = "settings.ini";
const QString kSoundOffKey = QStringLiteral("sound/off");
// A few short lines and the record of one game's decisions (some 3 KB);
// anything much longer is not a kept game.
constexpr qint64 kMaxKeptGameSize = qint64{64} * 1024;

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

QMap<QString, QVariant> PlayerFiles::settings()
{
    QMap<QString, QVariant> values;
    if (folder_.empty()) {
        return values;
    }
    if (!plainOrAbsent(file(kSettingsFile))) {
        if (!std::exchange(settingsRefused_, true)) {
            report("ignoring the settings in", file(kSettingsFile), kNotPlain);
        }
        return values;
    }
    // A player who never changed a setting has no file: nothing to read, and
    // the toolkit's settings code is not brought into memory for it.
    std::error_code unknown;
    if (!std::filesystem::exists(file(kSettingsFile), unknown)) {
        return values;
    }
    const QSettings current(qtPath(file(kSettingsFile)), QSettings::IniFormat);
    for (const QString& key : current.allKeys()) {
        values.insert(key, current.value(key));
    }
    return values;
}

void PlayerFiles::remember(const QMap<QString, QVariant>& changed)
{
    const std::filesystem::path path = file(kSettingsFile);
    if (folder_.empty() || settingsRefused_) {
        return;
    }
    if (!plainOrAbsent(path)) {
        report("could not remember the settings in", path, kNotPlain);
        settingsRefused_ = true;
        return;
    }
    QMap<QString, QVariant> values = settings();
    values.insert(changed);
    QDir().mkpath(qtPath(folder_));
    const QByteArray text = settingsText(values);
    if (const auto error = storage::replaceFile(path, std::string_view(text.constData(), text.size()))) {
        failed("could not remember the settings in", path, *error);
    }
}

bool PlayerFiles::soundOff()
{
    return settings().value(kSoundOffKey, false).toBool();
}

void PlayerFiles::rememberSoundOff(bool off)
{
    remember({{kSoundOffKey, off}});
}

std::optional<PlayerFiles::Kept> PlayerFiles::takeKeptGame()
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
    const QByteArray bytes = in.read(kMaxKeptGameSize + 1);
    if (bytes.size() > kMaxKeptGameSize) {
        return ignore(QStringLiteral("too large"));
    }
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (isKeptTable(text)) {
        DecodedKeptTable table = decodeKeptTable(text);
        if (table.otherVersion) {
            report("leaving alone the kept game in", path, QString::fromStdString(table.error) + kNotKept);
            keeping_ = false;
            lock_.reset();
            return std::nullopt;
        }
        if (!table.table) {
            return ignore(QString::fromStdString(table.error));
        }
        keptTable_ = table.table;
        return Kept(std::move(*table.table));
    }
    DecodedKeptGame decoded = decodeKeptGame(text);
    if (decoded.otherVersion) {
        report("leaving alone the kept game in", path, QString::fromStdString(decoded.error) + kNotKept);
        keeping_ = false;
        lock_.reset();
        return std::nullopt;
    }
    if (!decoded.state) {
        return ignore(QString::fromStdString(decoded.error));
    }
    if (!decoded.recordError.empty()) {
        report("the kept game in", path,
               QStringLiteral("has a record this program cannot read (%1); its review starts from here")
                   .arg(QString::fromStdString(decoded.recordError)));
    }
    kept_ = decoded.state;
    if (decoded.record) {
        keptRecord_ = *decoded.record;
    }
    return Kept(KeptGame{*decoded.state, std::move(decoded.record)});
}

void PlayerFiles::keep(const std::optional<GameState>& game, const GameRecord& record, bool mayDrop)
{
    if (!keeping_ || (game == kept_ && !keptTable_ && (!game || record == keptRecord_))) {
        return;
    }
    if (!game) {
        if (!mayDrop) {
            return;
        }
        // A damaged file stays for whoever can read it until there is a game to keep.
        if (keptFileIgnored_ || drop()) {
            kept_.reset();
            keptTable_.reset();
        }
        return;
    }
    if (write(encodeKeptGame(*game, record), game->scoreTaken)) {
        kept_ = game;
        keptRecord_ = record;
        keptTable_.reset();
    } else if (game->scoreTaken && mayDrop && drop()) {
        // A game whose score the table is taking must not come back as one
        // still to be entered: without its new state on the disk, it goes.
        kept_.reset();
        keptTable_.reset();
    }
}

void PlayerFiles::keep(const TableGames& table, bool mayDrop)
{
    if (!keeping_ || table == keptTable_) {
        return;
    }
    const bool scoreTaken = std::ranges::any_of(table.games, [](const GameState& game) { return game.scoreTaken; });
    if (write(encodeKeptTable(table), scoreTaken)) {
        keptTable_ = table;
        kept_.reset();
    } else if (scoreTaken && mayDrop && drop()) {
        kept_.reset();
        keptTable_.reset();
    }
}

// Replaces the kept file whole; false (said once until a write succeeds) when it could not.
bool PlayerFiles::write(const std::string& text, bool scoreTaken)
{
    const std::filesystem::path path = file(kKeptGameFile);
    if (!plainOrAbsent(path)) {
        if (!std::exchange(writeFailing_, true)) {
            report("could not keep the game in", path, kNotPlain);
        }
        return false;
    }
    // The last write of a game whose score the table takes must outlast a power cut too.
    const auto durability = scoreTaken ? storage::Durability::ContentAndName : storage::Durability::Content;
    if (const std::optional<storage::WriteError> error = storage::replaceFile(path, text, durability)) {
        if (!std::exchange(writeFailing_, true)) {
            failed("could not keep the game in", path, *error);
        }
        return false;
    }
    keptFileIgnored_ = false;
    writeFailing_ = false;
    return true;
}

bool PlayerFiles::drop()
{
    const std::filesystem::path path = file(kKeptGameFile);
    std::error_code error;
    if (plainOrAbsent(path)) {
        std::filesystem::remove(path, error);
    } else {
        error = std::make_error_code(std::errc::invalid_argument);
    }
    if (error) {
        if (!std::exchange(writeFailing_, true)) {
            report("could not keep the game in", path,
                   plainOrAbsent(path) ? QStringLiteral("it cannot be removed") : kNotPlain);
        }
        return false;
    }
    return true;
}

void PlayerFiles::stillKeeping()
{
    if (lock_) {
        lock_->keepFresh();
    }
}

}  // namespace dakru::ui
