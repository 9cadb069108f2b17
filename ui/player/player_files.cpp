#include "player_files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <cstdio>

#include "game_state_codec.h"

namespace dakru::ui {
namespace {

constexpr char kKeptGameFile[] = "kept-game.txt";
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

}  // namespace

PlayerFiles::PlayerFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path PlayerFiles::file(const char* name) const
{
    return folder_ / name;
}

bool PlayerFiles::soundOff() const
{
    if (folder_.empty()) {
        return false;
    }
    return QSettings(qtPath(file(kSettingsFile)), QSettings::IniFormat).value(kSoundOffKey, false).toBool();
}

void PlayerFiles::rememberSoundOff(bool off) const
{
    if (folder_.empty()) {
        return;
    }
    QSettings settings(qtPath(file(kSettingsFile)), QSettings::IniFormat);
    settings.setValue(kSoundOffKey, off);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        report("could not remember the sound switch in", file(kSettingsFile), QStringLiteral("write failed"));
    }
}

std::optional<GameState> PlayerFiles::loadKeptGame()
{
    keptFileIgnored_ = false;
    if (folder_.empty()) {
        return std::nullopt;
    }
    const std::filesystem::path path = file(kKeptGameFile);
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
    if (!decoded.state) {
        return ignore(QString::fromStdString(decoded.error));
    }
    return decoded.state;
}

void PlayerFiles::keep(const std::optional<GameState>& game)
{
    if (folder_.empty()) {
        return;
    }
    const std::filesystem::path path = file(kKeptGameFile);
    if (!game) {
        // A file left alone at the start may be a newer version's game.
        if (!keptFileIgnored_) {
            QFile::remove(qtPath(path));
        }
        return;
    }
    QDir().mkpath(qtPath(folder_));
    QSaveFile out(qtPath(path));
    const std::string text = encodeGameState(*game);
    const auto size = static_cast<qint64>(text.size());
    if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), size) != size || !out.commit()) {
        report("could not keep the game in", path, out.errorString());
        return;
    }
    keptFileIgnored_ = false;
}

}  // namespace dakru::ui
