#include "command_line.h"

#include <QCommandLineParser>
#include <array>

#include "version.h"

namespace dakru::app {
namespace {

// The options the window toolkit reads for itself when it starts (see its
// --help-all), hidden from our help. Those taking a value come first.
constexpr std::array kToolkitValueOptions{"platform",        "platformpluginpath",
                                          "platformtheme",   "plugin",
                                          "qwindowgeometry", "geometry",
                                          "qwindowicon",     "icon",
                                          "qwindowtitle",    "title",
                                          "display",         "name",
                                          "session",         "style",
                                          "stylesheet",      "qmljsdebugger"};
constexpr std::array kToolkitFlags{"reverse", "nograb", "dograb", "sync", "widgetcount", "testability"};

void addToolkitOptions(QCommandLineParser& parser)
{
    for (const char* name : kToolkitValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString versionLine()
{
    return QStringLiteral("dakru %1.%2.%3\n").arg(version::major).arg(version::minor).arg(version::revision);
}

}  // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Dakru, a dice game: roll five dice up to three times a turn and fill a score sheet."));
    // Single-dash words such as -platform belong to the toolkit, never to letters of ours.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Show the toolkit's warnings on standard error."));
    parser.addOption(verbose);
    const QCommandLineOption exportHistory(
        QStringLiteral("export-history"),
        QStringLiteral("Write every finished game to <file> as CSV (- for standard output), and exit."),
        QStringLiteral("file"));
    parser.addOption(exportHistory);
    const QCommandLineOption review(
        QStringLiteral("review"),
        QStringLiteral("Print the review of the last finished game that has a record of its decisions, and exit; "
                       "--review N reviews the N-th last (2 for the one before the last)."));
    parser.addOption(review);
    addToolkitOptions(parser);

    const bool understood = parser.parse(arguments);
    // The toolkit's options are listed by the toolkit, which then ends the program.
    if (understood && parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments);

    CommandLine line;
    line.verbose = parser.isSet(verbose);
    line.platform = parser.value(QStringLiteral("platform"));
    const QStringList positional = parser.positionalArguments();
    const auto refuse = [&](const QString& what) {
        line.request = CommandLine::Request::Refuse;
        line.text = what + QLatin1Char('\n') + parser.helpText();
    };
    if (!understood) {
        refuse(parser.errorText());
    } else if (parser.isSet(exportHistory) && parser.isSet(review)) {
        refuse(QStringLiteral("--export-history and --review cannot be given together."));
    } else if (parser.isSet(review) && positional.size() <= 1) {
        // The game's number is the one argument that may follow --review.
        bool number = positional.isEmpty();
        const int n = number ? 1 : positional.constFirst().toInt(&number);
        if (number && n >= 1) {
            line.request = CommandLine::Request::Review;
            line.reviewGame = n;
        } else {
            refuse(QStringLiteral("Bad game number '%1' for --review: 1 is the last game, 2 the one before.")
                       .arg(positional.constFirst()));
        }
    } else if (!positional.isEmpty()) {
        refuse(QStringLiteral("Unexpected argument '%1'.").arg(positional.constFirst()));
    } else if (parser.isSet(exportHistory)) {
        line.request = CommandLine::Request::ExportHistory;
        line.exportFile = parser.value(exportHistory);
    } else if (parser.isSet(help)) {
        line.request = CommandLine::Request::ShowHelp;
        line.text = parser.helpText();
    } else if (parser.isSet(version)) {
        line.request = CommandLine::Request::ShowVersion;
        line.text = versionLine();
    }
    return line;
}

}  // namespace dakru::app
