#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "command_line.h"
#include "display_check.h"

namespace dakru::app {
namespace {

TEST(CommandLine, TheToolkitsOptionsAreUnderstoodAndEverythingElseRefused)
{
    using Request = CommandLine::Request;
    const struct {
        QStringList arguments;
        Request request;
        QString platform;
        QString said;  // the start of the text
    } cases[] = {
        {{}, Request::Play, {}, {}},
        {{"-platform", "offscreen", "--verbose"}, Request::Play, "offscreen", {}},
        {{"-style=fusion", "-reverse", "-qwindowtitle", "Mine"}, Request::Play, {}, {}},
        {{"--bogus"}, Request::Refuse, {}, "Unknown option 'bogus'."},
        {{"-platform"}, Request::Refuse, {}, "Missing value after '-platform'."},
        {{"-platform", "offscreen", "stray"}, Request::Refuse, "offscreen", "Unexpected argument 'stray'."},
        {{"--help", "--bogus"}, Request::Refuse, {}, "Unknown option 'bogus'."},
        {{"-v"}, Request::ShowVersion, {}, "dakru "},
        {{"--help"}, Request::ShowHelp, {}, "Usage:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.arguments.join(' ')));
        const CommandLine line = readCommandLine(QStringList{"dakru"} + c.arguments);
        EXPECT_EQ(line.request, c.request);
        EXPECT_EQ(line.platform, c.platform);
        EXPECT_TRUE(line.text.startsWith(c.said)) << qPrintable(line.text);
        if (c.request == Request::Refuse) {
            EXPECT_TRUE(line.text.contains(QLatin1String("Usage:")));
        }
    }
    // The program skips reading a command line with no arguments: reading one gives what it assumes.
    const CommandLine none = readCommandLine({"dakru"});
    const CommandLine assumed;
    EXPECT_EQ(none.request, assumed.request);
    EXPECT_EQ(none.verbose, assumed.verbose);
    EXPECT_EQ(none.exportFile, assumed.exportFile);
    EXPECT_EQ(none.reviewGame, assumed.reviewGame);
    EXPECT_EQ(none.platform, assumed.platform);
    EXPECT_EQ(none.text, assumed.text);
}

TEST(DisplayCheck, OnlyAnX11OrWaylandDesktopWithNothingNamedHasNoDisplay)
{
    // Needs a display variable; -platform; QT_QPA_PLATFORM; DISPLAY; WAYLAND_DISPLAY.
    const struct {
        DisplayEnvironment environment;
        bool missing;
    } cases[] = {
        {{true, "", "", "", ""}, true},
        {{true, "", "", ":0", ""}, false},
        {{true, "", "", "", "wayland-0"}, false},
        {{true, "", "xcb", "", ""}, false},  // the toolkit tries what is named
        {{true, "offscreen", "", "", ""}, false},
        {{false, "", "", "", ""}, false},
    };
    for (const auto& c : cases) {
        const std::optional<QString> said = missingDisplay(c.environment);
        EXPECT_EQ(said.has_value(), c.missing);
        if (said) {
            EXPECT_TRUE(said->startsWith(QLatin1String("dakru: cannot open a display")));
            EXPECT_EQ(said->count(QLatin1Char('\n')), 1) << "one line";
        }
    }
}

// The real program in a terminal without a desktop: no display variable and
// no platform named. Nothing here may need a window.
TEST(CommandLine, WithoutADisplayTheProgramAnswersAndEndsWithoutAnAbort)
{
    const struct {
        QStringList arguments;
        QString qpaPlatform;
        int exitCode;
        QString err;  // the start of standard error
    } cases[] = {
        {{"--bogus"}, {}, 2, "Unknown option 'bogus'.\nUsage:"},
        {{"stray"}, {}, 2, "Unexpected argument 'stray'.\nUsage:"},
        {{"--version"}, {}, 0, {}},
        {{}, {}, 1, "dakru: cannot open a display: set DISPLAY"},
        // A platform that is named is tried, and its failure is one line too.
        {{}, "xcb", 1, "dakru: cannot open a display: the window system \"xcb\" did not start"},
    };
    QTemporaryDir home;
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.arguments.join(' ') + " " + c.qpaPlatform));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_LOGGING_RULES"}) {
            env.remove(QString::fromLatin1(name));
        }
        if (!c.qpaPlatform.isEmpty()) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), c.qpaPlatform);
        }
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(DAKRU_PROGRAM), c.arguments);
        ASSERT_TRUE(program.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << qPrintable(err);
        EXPECT_EQ(program.exitCode(), c.exitCode) << qPrintable(err);
        EXPECT_TRUE(err.startsWith(c.err)) << qPrintable(err);
        if (c.exitCode == 1) {
            EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << qPrintable(err);
        }
    }
}

}  // namespace
}  // namespace dakru::app
