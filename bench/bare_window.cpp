// The yardstick: an empty Qt window of the game's size and title, nothing else.
#include <QApplication>
#include <QWidget>

#include "first_frame_clock.h"
#include "main_layout.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Dakru v1.05.06 - 23.12.2002"));
    window.setFixedSize(dakru::ui::layout::kClientSize);
    window.show();
    dakru::bench::printClockAtFirstFrame(window);
    return QApplication::exec();
}
