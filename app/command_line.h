#pragma once

#include <QString>
#include <QStringList>

namespace dakru::app {

// What the command line asks of the program.
struct CommandLine {
    enum class Request { Play, ShowHelp, ShowVersion, ExportHistory, Review, Refuse };
    Request request = Request::Play;
    bool verbose = false;  // let the toolkit's warnings through
    QString exportFile;    // where --export-history writes the history as CSV
    int reviewGame = 1;    // --review N: the N-th last finished game with a record, from 1
    QString platform;      // the window system named by -platform, empty when none is
    QString text;          // the help, the version line, or what was wrong followed by the usage
};

// Reads the program's arguments (the program's own name first) before any
// window system is started: the toolkit's own options are understood here
// too, so that everything else can be refused at once, display or not.
CommandLine readCommandLine(const QStringList& arguments);

}  // namespace dakru::app
