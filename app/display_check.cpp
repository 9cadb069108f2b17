#include "display_check.h"

#include <QtGlobal>

namespace dakru::app {

DisplayEnvironment currentDisplayEnvironment(const QString& platformArgument)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    constexpr bool needsDisplayVariable = false;
#else
    constexpr bool needsDisplayVariable = true;
#endif
    return {
        .needsDisplayVariable = needsDisplayVariable,
        .platformArgument = platformArgument,
        .qpaPlatform = qEnvironmentVariable("QT_QPA_PLATFORM"),
        .display = qEnvironmentVariable("DISPLAY"),
        .waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY"),
    };
}

std::optional<QString> missingDisplay(const DisplayEnvironment& environment)
{
    if (!environment.needsDisplayVariable || !environment.platformArgument.isEmpty()
        || !environment.qpaPlatform.isEmpty() || !environment.display.isEmpty()
        || !environment.waylandDisplay.isEmpty()) {
        return std::nullopt;
    }
    return QStringLiteral(
        "dakru: cannot open a display: set DISPLAY (or WAYLAND_DISPLAY) to your desktop's, "
        "or start the game as xvfb-run dakru\n");
}

QString displayFailed(const DisplayEnvironment& environment)
{
    const QString platform =
        environment.platformArgument.isEmpty() ? environment.qpaPlatform : environment.platformArgument;
    const QString named = platform.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(platform);
    return QStringLiteral(
               "dakru: cannot open a display: the window system%1 did not start; "
               "check DISPLAY and QT_QPA_PLATFORM, or start the game as xvfb-run dakru\n")
        .arg(named);
}

}  // namespace dakru::app
