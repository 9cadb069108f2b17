#include "score_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace dakru::scores {
namespace {

const QString kTitle = QStringLiteral("Dakru");

}  // namespace

void plainButtons(QWidget& box)
{
    for (QAbstractButton* button : box.findChildren<QAbstractButton*>())
        button->setIcon(QIcon());
}

QWidget* QtScoreDialogs::owner() const
{
    return parent_ ? parent_.data() : QApplication::activeWindow();
}

QString QtScoreDialogs::askName(const QString& prompt, const QString& offered)
{
    QInputDialog dialog(owner());
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog.setWindowTitle(kTitle);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    dialog.setTextValue(offered);
    dialog.sizeHint();  // lays the box out, which makes its buttons
    plainButtons(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void QtScoreDialogs::showMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, owner());
    plainButtons(box);
    box.exec();
}

void QtScoreDialogs::askForAttention(QWidget& window)
{
    QApplication::alert(&window);
}

}  // namespace dakru::scores
