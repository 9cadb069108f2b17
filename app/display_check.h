#pragma once

#include <QString>
#include <optional>

namespace dakru::app {

// What decides whether a window can be opened, read before the window toolkit
// starts: the toolkit aborts the program when it finds no display.
struct DisplayEnvironment {
    bool needsDisplayVariable = false;  // the X11 and Wayland desktops; Windows and macOS always have a screen
    QString platformArgument;           // -platform on the command line
    QString qpaPlatform;                // QT_QPA_PLATFORM
    QString display;                    // DISPLAY
    QString waylandDisplay;             // WAYLAND_DISPLAY
};

DisplayEnvironment currentDisplayEnvironment(const QString& platformArgument);

// The one line to print when no display can be opened, or nothing when one
// may be. A platform named on the command line or in QT_QPA_PLATFORM is left
// to the toolkit to try.
std::optional<QString> missingDisplay(const DisplayEnvironment& environment);

// The one line to print when the window system named or found did not start.
QString displayFailed(const DisplayEnvironment& environment);

}  // namespace dakru::app
