#pragma once

#include <QString>
#include <QStringList>

namespace dakru::ui::about {

QString versionLine();      // "Version: 1.6.6"
QStringList creditLines();  // five lines
QString keyReference();
QString helpText();
QString tipsText();

}  // namespace dakru::ui::about
