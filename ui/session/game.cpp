#include "game.h"

#include <QApplication>

#include "first_frame.h"
#include "program_icon.h"

namespace dakru::ui {

Game::Game(const GameFolders& folders)
    : cues_(folders.data / "Sounds"),
      form_({
          .cues = cues_,
          .random = random_,
          .dialogs = dialogs_,
          .scoreDialogs = scoreDialogs_,
          .picturesDir = folders.data / "Pictures",
          .tableFile = folders.tableFile,
          .playerDir = folders.player,
      })
{
}

void Game::start()
{
    form_.show();
    form_.Form_Load();
    afterFirstFrame(form_, [this] {
        QApplication::setWindowIcon(programIcon());
        cues_.start();
    });
}

}  // namespace dakru::ui
