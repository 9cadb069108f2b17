#include "dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "score_dialogs.h"

namespace dakru::ui {
namespace {

QMessageBox::StandardButton ask(const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton byDefault)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Dakru"), text, buttons, QApplication::activeWindow());
    box.setDefaultButton(byDefault);
    scores::plainButtons(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::message(const QString& text)
{
    ask(text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const QString& text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace dakru::ui
