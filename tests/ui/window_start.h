#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "first_frame.h"
#include "form1.h"

namespace dakru::ui::testing {

// Runs the events until the shown window's first frame is on screen and what
// follows it at once (the sheet) is done; false if none came.
inline bool waitForFirstFrame(Form1& form)
{
    const auto framed = std::make_shared<bool>(false);
    afterFirstFrame(form, [framed] { *framed = true; });
    return QTest::qWaitFor([&framed] { return *framed; }, 10000);
}

// Starts the main window as the game does: shown, its first frame on screen
// (the sheet is built right after it), then the game kept by the last run.
inline void startWindow(Form1& form)
{
    form.show();
    form.Form_Load();
    EXPECT_TRUE(waitForFirstFrame(form)) << "no first frame";
    form.takeKeptGame();
}

}  // namespace dakru::ui::testing
