#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

namespace dakru::ui {

// The settings as the text of an INI file that QSettings reads back as it
// wrote them: keys "section/name" grouped under "[section]", booleans and
// whole numbers as they are, every other value a quoted string (UTF-8, with
// backslash escapes). Written so, the file goes to the disk like every other
// file the game writes.
QByteArray settingsText(const QMap<QString, QVariant>& values);

}  // namespace dakru::ui
