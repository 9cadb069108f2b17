#include "kept_game_lock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <cstdlib>
#include <system_error>

namespace dakru::ui {
namespace {

// A copy writes its lock in a moment: one that cannot be read for longer than
// this was not written by a copy of the game, or was left half-written.
constexpr std::chrono::seconds kUnreadableLockAge{10};
constexpr std::chrono::minutes kRefreshEvery{5};

QString qtPath(const std::filesystem::path& file)
{
    return QString::fromStdU16String(file.u16string());
}

QString shown(const std::filesystem::path& file)
{
    return QDir::toNativeSeparators(qtPath(file));
}

// How long ago the lock was last written or touched; zero when it is not there.
std::chrono::seconds age(const std::filesystem::path& file)
{
    const QDateTime touched = QFileInfo(qtPath(file)).lastModified();
    if (!touched.isValid()) {
        return {};
    }
    return std::chrono::seconds(std::abs(touched.secsTo(QDateTime::currentDateTime())));
}

bool otherHost(const QString& host)
{
    return !host.isEmpty() && host != QSysInfo::machineHostName();
}

// Why the lock is another copy's, and what the player can do about it.
QString refusal(const std::filesystem::path& file)
{
    std::filesystem::path keptFile = file;
    keptFile.replace_extension();
    const QString kept = shown(keptFile);
    qint64 pid = 0;
    QString host;
    QString program;
    if (!QLockFile(qtPath(file)).getLockInfo(&pid, &host, &program)) {
        return QStringLiteral(
                   "another copy of the game is starting and keeps the game in %1; this one plays a game that will "
                   "not be kept (if no other copy runs, start the game again)")
            .arg(kept);
    }
    if (otherHost(host)) {
        return QStringLiteral(
                   "another copy of the game keeps the game in %1 (process %2 on %3); this one plays a game that "
                   "will not be kept (close that copy; if none runs there, the game is taken over here once %4 "
                   "is %5 minutes old, or at once when you delete that file)")
            .arg(kept, QString::number(pid), host, shown(file), QString::number(KeptGameLock::kForeignLockAge.count()));
    }
    return QStringLiteral(
               "another copy of the game keeps the game in %1 (process %2); this one plays a game that will not be "
               "kept (close that copy and start the game again to play the kept one)")
        .arg(kept, QString::number(pid));
}

}  // namespace

KeptGameLock::KeptGameLock(std::filesystem::path file) : file_(std::move(file)) {}

KeptGameLock::~KeptGameLock() = default;

std::optional<QString> KeptGameLock::take()
{
    auto lock = std::make_unique<QLockFile>(qtPath(file_));
    // Held for as long as this copy runs: a lock of this host is stale only
    // once its copy is gone, whatever its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError) {
            return QStringLiteral("cannot lock the kept game with %1: no access; this game will not be kept")
                .arg(shown(file_));
        }
        qint64 pid = 0;
        QString host;
        QString program;
        const bool readable = lock->getLockInfo(&pid, &host, &program);
        const bool stale = readable ? otherHost(host) && age(file_) > kForeignLockAge : age(file_) > kUnreadableLockAge;
        if (!stale || !lock->removeStaleLockFile() || !lock->tryLock(0)) {
            return refusal(file_);
        }
    }
    lock_ = std::move(lock);
    touched_ = std::chrono::steady_clock::now();
    return std::nullopt;
}

void KeptGameLock::keepFresh()
{
    const auto now = std::chrono::steady_clock::now();
    if (!lock_ || now - touched_ < kRefreshEvery) {
        return;
    }
    touched_ = now;
    std::error_code ignored;
    std::filesystem::last_write_time(file_, std::filesystem::file_time_type::clock::now(), ignored);
}

}  // namespace dakru::ui
