#include "score_file_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace dakru::scores {
namespace {

const QString kTableFileName = QStringLiteral("dakru.dhs");

}  // namespace

bool folderIsWritable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("dakru-probe-XXXXXX")));
    return probe.open();
}

bool tableIsWritable(const QString& folder)
{
    const QFileInfo table(QDir(folder).filePath(kTableFileName));
    // The permission bits count too: an administrator may write anything, yet
    // a table without any write permission was meant to stay as it is.
    constexpr QFile::Permissions kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (table.exists() && (!table.isWritable() || !(table.permissions() & kAnyWrite)))
        return false;
    return folderIsWritable(folder);
}

std::filesystem::path scoreFileLocation(const QString& dataDir, const QString& userDataDir,
                                        const std::function<bool(const QString&)>& isWritable)
{
    const QDir data(dataDir);
    if (isWritable(dataDir))
        return data.filesystemAbsolutePath() / kTableFileName.toStdU16String();

    const QDir user(userDataDir);
    const QString userTable = user.absoluteFilePath(kTableFileName);
    const QString shippedTable = data.absoluteFilePath(kTableFileName);
    QDir().mkpath(user.absolutePath());
    if (!QFile::exists(userTable) && QFile::exists(shippedTable) && QFile::copy(shippedTable, userTable)) {
        // The shipped copy may be read-only; the player's own copy must not be.
        QFile::setPermissions(userTable, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
    return user.filesystemAbsolutePath() / kTableFileName.toStdU16String();
}

std::filesystem::path scoreFileLocation(const QString& dataDir)
{
    return scoreFileLocation(dataDir, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

}  // namespace dakru::scores
