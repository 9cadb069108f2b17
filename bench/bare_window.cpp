// The yardstick: an empty Qt window of the game's size and title, nothing else.
// It traces its start as the game does (DAKRU_START_TRACE).
#include <QApplication>
#include <QWidget>

#include "first_frame.h"
#include "main_layout.h"
#include "start_trace.h"

int main(int argc, char** argv)
{
    dakru::ui::traceStep("program loaded");
    QApplication app(argc, argv);
    dakru::ui::traceStep("toolkit started");
    QWidget window;
    window.setWindowTitle(QStringLiteral("Dakru v1.05.06 - 23.12.2002"));
    window.setFixedSize(dakru::ui::layout::kClientSize);
    window.show();
    dakru::ui::traceStep("window shown");
    dakru::ui::afterFirstFrame(window, [] { dakru::ui::traceStep("first frame"); });
    return QApplication::exec();
}
