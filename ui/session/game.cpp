#include "game.h"

#include <QApplication>

#include "first_frame.h"
#include "program_icon.h"
#include "start_trace.h"

namespace dakru::ui {

Game::Game(const GameFolders& folders)
    : cues_(folders.data / "Sounds"),
      form_({
          .cues = cues_,
          .random = random_,
          .dialogs = dialogs_,
          .scoreDialogs = scoreDialogs_,
          .tableDialogs = tableDialogs_,
          .picturesDir = folders.data / "Pictures",
          .tableFile = folders.tableFile,
          .playerDir = folders.player,
      })
{
}

void Game::start()
{
    form_.show();
    traceStep("window shown");
    afterFirstFrame(form_, [] { traceStep("first frame"); });
    form_.Form_Load();  // the sheet follows the first frame
    traceStep("cover in front, intro cue asked");
    afterFirstFrame(form_, [this] {
        form_.takeKeptGame();
        traceStep("kept game read");
        QApplication::setWindowIcon(programIcon());
        traceStep("icon set");
        cues_.start();
    });
}

}  // namespace dakru::ui
