#include "about_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>

#include "about_texts.h"
#include "click_label.h"
#include "program_icon.h"
#include "twips.h"

namespace dakru::ui {
namespace {

const QColor kBackground{21, 13, 96};
const QColor kText{192, 192, 255};
const QColor kFrameLine{112, 104, 200};

QFont makeFont(const char* family, qreal points, bool bold = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// A group of controls with a thin outline; its caption is a label laid over
// the outline's top edge.
class GroupFrame : public QWidget {
public:
    GroupFrame(const char* name, QRect rect, QWidget* parent) : QWidget(parent)
    {
        setObjectName(QString::fromLatin1(name));
        setGeometry(rect);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(kFrameLine);
        painter.drawRect(rect().adjusted(0, px(120), -1, -1));
    }
};

ClickLabel* label(QWidget* parent, const char* name, QRect rect, const QString& text, const QFont& f,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new ClickLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(rect);
    l->setText(text);
    l->setFont(f);
    l->setAlignment(alignment);
    return l;
}

// A caption on the frame's own background, so that it interrupts the outline.
void frameCaption(QWidget* frame, const char* name, int widthTwips, const char* text)
{
    ClickLabel* caption =
        label(frame, name, twipsRect(120, 0, widthTwips, 255), QString::fromLatin1(text), makeFont("Arial", 9));
    caption->setFill(kBackground);
}

QPlainTextEdit* textBox(QWidget* frame, const char* name, QRect rect, const QString& text, bool scrolls)
{
    auto* box = new QPlainTextEdit(frame);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(rect);
    box->setFont(makeFont("Arial", 8.25));
    box->setReadOnly(true);
    box->setPlainText(text);
    box->document()->setDocumentMargin(2);  // the key lines just fit the narrow box
    box->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, kBackground);
    colours.setColor(QPalette::Text, kText);
    box->setPalette(colours);
    return box;
}

}  // namespace

AboutWindow::AboutWindow(std::function<void(Cue)> playCue, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      playCue_(std::move(playCue))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Dakru"));
    setFixedSize(px(5925), px(7935));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::WindowText, kText);
    setPalette(colours);
    setAutoFillBackground(true);

    ClickLabel* title = label(this, "Label1", twipsRect(840, 120, 4875, 735), QStringLiteral("Dakru"),
                              makeFont("Times New Roman", 36), Qt::AlignHCenter | Qt::AlignTop);
    connect(title, &ClickLabel::clicked, this, [this] { playCue_(Cue::Intro); });

    ClickLabel* icon = label(this, "Image1", twipsRect(120, 240, 480, 480), {}, makeFont("Arial", 8.25));
    icon->setPixmap(programIcon().pixmap(QSize(32, 32), devicePixelRatioF()));

    auto* information = new GroupFrame("Frame1", twipsRect(120, 960, 3495, 1695), this);
    frameCaption(information, "Label10", 1095, "Information:");
    label(information, "lblVersion", twipsRect(120, 240, 4215, 255), about::versionLine(), makeFont("Arial", 8.25));
    const QStringList credits = about::creditLines();
    for (int i = 0; i < credits.size(); ++i) {
        const QByteArray name = QStringLiteral("Credit%1").arg(i + 1).toLatin1();
        label(information, name.constData(), twipsRect(120, 480 + 240 * i, 4215, 255), credits[i],
              makeFont("Arial", 8.25));
    }

    auto* keys = new GroupFrame("Frame3", twipsRect(3840, 960, 1935, 1695), this);
    frameCaption(keys, "Label8", 495, "Keys:");
    textBox(keys, "Text2", twipsRect(120, 240, 1790, 1430), about::keyReference(), false);

    auto* help = new GroupFrame("Frame2", twipsRect(120, 2700, 5655, 2800), this);
    frameCaption(help, "Label4", 495, "Help:");
    textBox(help, "Text1", twipsRect(120, 240, 5415, 2535), about::helpText(), true);

    auto* tips = new GroupFrame("Frame4", twipsRect(120, 5520, 5655, 1965), this);
    frameCaption(tips, "Label9", 495, "Tips:");
    textBox(tips, "Text3", twipsRect(120, 240, 5415, 1695), about::tipsText(), true);

    ClickLabel* close = label(this, "LabelExit", twipsRect(120, 7440, 5655, 495), QStringLiteral("CLOSE"),
                              makeFont("Verdana", 21.75, true), Qt::AlignHCenter | Qt::AlignTop);
    QPalette red = close->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    close->setPalette(red);
    close->setMouseTracking(true);
    connect(close, &ClickLabel::moved, this, [this] { playCue_(Cue::MouseOver); });
    connect(close, &ClickLabel::clicked, this, &QWidget::close);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

// Esc closes the window, as it closes every small window of the desktop. It
// acts on the press: the main window then sees only the release, which does
// not count there, so the game goes on.
void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace dakru::ui
