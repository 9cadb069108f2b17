#include "score_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace dakru::scores {
namespace {

const QString kTitle = QStringLiteral("Dakru");

}  // namespace

QWidget* QtScoreDialogs::owner() const
{
    return parent_ ? parent_.data() : QApplication::activeWindow();
}

QString QtScoreDialogs::askName(const QString& prompt)
{
    QInputDialog dialog(owner());
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog.setWindowTitle(kTitle);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void QtScoreDialogs::showMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, owner());
    box.exec();
}

}  // namespace dakru::scores
