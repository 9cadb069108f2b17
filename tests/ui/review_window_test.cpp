// The review window drawn without a screen: a game reviewed off the UI thread,
// its figures, bars and decisions costliest first; the keys that open, move
// through and close the decisions; what screen readers get; no game, and a
// record that is not the game's. F5 in the main window reviews the last
// finished game.
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "decision_view.h"
#include "dice_row.h"
#include "harness.h"
#include "review_lines.h"
#include "review_style.h"
#include "review_text.h"
#include "review_window.h"
#include "self_play.h"
#include "sheet_captions.h"
#include "sheet_names.h"
#include "turn_loss_plot.h"

namespace dakru::ui::coach {
namespace {

// Dice pictures that tell their face by red and their hold by green and blue.
QColor pictureColour(int face, bool held)
{
    return held ? QColor(40 * face, 220, 30) : QColor(40 * face, 30, 220);
}

class ReviewWindowTest : public ::testing::Test {
protected:
    ReviewWindowTest()
    {
        for (int face = 1; face <= 6; ++face) {
            for (const bool held : {false, true}) {
                QImage die(42, 42, QImage::Format_RGB32);
                die.fill(pictureColour(face, held));
                die.save(folder.filePath(QString::fromStdString(diePicture({face, held}))));
            }
        }
    }

    // A greedy player's game: mistakes of every size, in a few microseconds.
    static GameToReview greedyGame(std::uint64_t seed = 3)
    {
        advisor::GreedyPlayer greedy;
        advisor::PlayedGame game = advisor::playGame(greedy, seed);
        return {std::move(game.record), game.sheet};
    }

    // The window over `game`, once its review is ready.
    std::unique_ptr<ReviewWindow> reviewed(GameToReview game)
    {
        auto window = std::make_unique<ReviewWindow>(std::move(game), folder.path().toStdU16String());
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        EXPECT_TRUE(window->statusLine().startsWith(QStringLiteral("Reviewing the game\u2026 ")))
            << window->statusLine().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->statusLine().isEmpty(); }, 20000))
            << window->statusLine().toStdString();
        return window;
    }

    template <class T = QLabel>
    static T* child(const QWidget& window, const QString& name)
    {
        auto* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static QString shown(const QWidget& window, const QString& name) { return child(window, name)->text(); }

    static void key(QWidget& window, Qt::Key key) { QTest::keyClick(window.focusWidget(), key); }

    QTemporaryDir folder;
};

// A decision's loss never reads as reaching the grade above it.
TEST(ReviewLines, LossesAreCutNotRounded)
{
    const std::pair<double, const char*> cases[] = {
        {9.999, "9.99"}, {10.0, "10.00"},  {0.29, "0.29"}, {0.2499, "0.24"},
        {2.5, "2.50"},   {-1e-12, "0.00"}, {0, "0.00"},
    };
    for (const auto& [loss, text] : cases) {
        EXPECT_EQ(lossText(loss), text) << loss;
    }
}

// The figures are those of the review made on the UI thread with an advisor of
// its own; each reads as its caption and value.
TEST_F(ReviewWindowTest, FiguresBarsAndDecisionsCostliestFirst)
{
    const GameToReview game = greedyGame();
    advisor::Advisor advisor;
    const review::Reviewed expected = review::reviewGame(game.record, game.sheet, advisor);
    ASSERT_TRUE(expected.review) << expected.refusal;
    const review::Review& r = *expected.review;
    ASSERT_GT(r.grades[static_cast<int>(review::Grade::Blunder)], 0) << "the greedy player blunders";

    const auto window = reviewed(game);
    EXPECT_EQ(window->windowTitle(), "Dakru - Review");
    EXPECT_EQ(shown(*window, "FinalScore"), QString::number(r.finalScore));
    EXPECT_EQ(shown(*window, "Decisions"), QString::number(r.decisions.size()));
    EXPECT_EQ(shown(*window, "PointsLost"), points(r.lost));
    EXPECT_EQ(shown(*window, "MeanLoss"), QString::number(r.meanLoss, 'f', 2));
    EXPECT_EQ(shown(*window, "BestShare"), QString::number(100 * r.bestShare, 'f', 1) + " %");
    EXPECT_EQ(shown(*window, "BlunderCount"), QString::number(r.grades[static_cast<int>(review::Grade::Blunder)]));
    EXPECT_EQ(shown(*window, "RecordedFrom"), "turn 1");
    EXPECT_EQ(shown(*window, "HintsShown"), "0");
    EXPECT_EQ(child(*window, "PointsLost")->accessibleName(), "Points lost in all: " + points(r.lost));
    EXPECT_EQ(child(*window, "InaccuracyCount")->accessibleName().section(':', 0, 0), "Inaccuracies (0.25 to 2.5)");
    EXPECT_EQ(child(*window, "BlunderCountCaption")->text(), "Blunders (10 or more)");

    // A bar of a blunder's colour in the plot, which reads out every turn that lost.
    auto* plot = child<TurnLossPlot>(*window, "TurnLossPlot");
    const QImage picture = window->grab().toImage();
    const QRect bars = plot->geometry().adjusted(30, 30, 0, -20);
    bool blunderBar = false;
    for (int y = bars.top(); y <= bars.bottom() && !blunderBar; ++y) {
        for (int x = bars.left(); x <= bars.right() && !blunderBar; ++x) {
            blunderBar = picture.pixelColor(x, y) == gradeColour(review::Grade::Blunder);
        }
    }
    EXPECT_TRUE(blunderBar);
    EXPECT_TRUE(plot->accessibleDescription().startsWith(QLatin1String("Turns 1 to 56. Points lost: turn ")));
    EXPECT_TRUE(plot->accessibleDescription().contains(QLatin1String("(blunder)")));

    // Every decision once, costliest first; each line also one sentence.
    auto* list = child<QTreeWidget>(*window, "DecisionList");
    ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(r.decisions.size()));
    double last = 1e9;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const double loss = list->topLevelItem(row)->text(0).toDouble();
        EXPECT_LE(loss, last) << "row " << row;
        last = loss;
    }
    const review::Decision& costliest = r.decisions[static_cast<std::size_t>(costliestFirst(r).front())];
    EXPECT_EQ(list->topLevelItem(0)->text(0), lossText(costliest.loss));
    EXPECT_EQ(list->topLevelItem(0)->data(0, Qt::AccessibleTextRole).toString(), decisionSentence(costliest));
    EXPECT_EQ(plot->chosenTurn(), costliest.turn) << "the chosen decision's turn is framed";
}

// Enter opens the costliest decision: the dice as the player saw them, both
// moves in words and points, the sheet with the player's cell. The arrows go
// through the list; Esc closes the decision, then the window.
TEST_F(ReviewWindowTest, KeysOpenMoveThroughAndCloseDecisions)
{
    const auto window = reviewed(greedyGame());
    ASSERT_TRUE(window->review());
    const review::Review& r = *window->review();
    const std::vector<int> order = costliestFirst(r);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    key(*window, Qt::Key_Return);
    ASSERT_TRUE(window->decisionOpen());
    EXPECT_EQ(window->chosenDecision(), order[0]);
    const review::Decision& d = r.decisions[static_cast<std::size_t>(order[0])];
    auto* view = child<DecisionView>(*window, "Decision");
    EXPECT_TRUE(view->hasFocus());
    EXPECT_EQ(view->accessibleName(),
              decisionTitle(d) + QStringLiteral(" (1 of %1, costliest first)").arg(order.size()));
    EXPECT_EQ(shown(*window, "Played"), QString::fromStdString(review::actionText(d.played, d.position)));
    EXPECT_EQ(shown(*window, "Best"), QString::fromStdString(review::actionText(d.best, d.position)));
    EXPECT_EQ(shown(*window, "PlayedScore"), "Expected final score: " + points(d.played.expectedScore));
    EXPECT_EQ(shown(*window, "BestScore"), "Expected final score: " + points(d.best.expectedScore));
    EXPECT_TRUE(view->accessibleDescription().contains(QLatin1String("\nYou: ")));
    EXPECT_TRUE(view->accessibleDescription().contains(QLatin1String("\nThe advisor: ")));

    // The dice pictures, held ones with their own picture.
    auto* dice = child<DiceRow>(*window, "DecisionDice");
    EXPECT_EQ(dice->dice(), d.position.dice);
    const QImage drawn = dice->grab().toImage();
    for (int n = 0; n < kDiceCount; ++n) {
        const Die& die = d.position.dice[static_cast<std::size_t>(n)];
        const QColor centre = drawn.pixelColor(n * (DiceRow::kDieSize + DiceRow::kGap) + 21, 21);
        const QColor wanted = pictureColour(*die.face, die.held);
        EXPECT_NEAR(centre.red(), wanted.red(), 12) << "die " << n + 1;
        EXPECT_NEAR(centre.blue(), wanted.blue(), 12) << "die " << n + 1;
    }
    // The cell of the turn is framed in red on the sheet.
    ASSERT_TRUE(d.column.has_value());
    EXPECT_TRUE(view->accessibleDescription().contains(
        QStringLiteral(": %1, %2.").arg(columnCaption(*d.column), rowCaption(d.row))));

    key(*window, Qt::Key_Down);
    EXPECT_EQ(window->chosenDecision(), order[1]);
    EXPECT_TRUE(window->decisionOpen());
    key(*window, Qt::Key_Up);
    key(*window, Qt::Key_Up);  // stays on the first
    EXPECT_EQ(window->chosenDecision(), order[0]);

    key(*window, Qt::Key_Escape);
    EXPECT_FALSE(window->decisionOpen());
    EXPECT_TRUE(window->isVisible());
    key(*window, Qt::Key_Down);  // the list's own arrows
    EXPECT_EQ(window->chosenDecision(), order[1]);
    key(*window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// A decision on the holds shows the dice as each would hold them; a hint shown
// before a decision marks it and is counted.
TEST_F(ReviewWindowTest, HoldsAndHintsAreShown)
{
    GameToReview game = greedyGame();
    // A hint right after the game's first roll: the decision after it was helped.
    game.record.events.insert(game.record.events.begin() + 1, RecordedEvent{RecordedMove::Hint});
    const auto window = reviewed(game);
    ASSERT_TRUE(window->review());
    const review::Review& r = *window->review();
    EXPECT_EQ(shown(*window, "HintsShown"), "1");

    auto* list = child<QTreeWidget>(*window, "DecisionList");
    const std::vector<int> order = costliestFirst(r);
    int hintedRow = -1;
    int holdsRow = -1;
    for (int row = 0; row < static_cast<int>(order.size()); ++row) {
        const review::Decision& d = r.decisions[static_cast<std::size_t>(order[static_cast<std::size_t>(row)])];
        if (d.hinted) {
            hintedRow = row;
        } else if (holdsRow < 0 && d.kind == review::Kind::Holds && d.best.move == advisor::Move::Roll
                   && d.played.hold != d.best.hold) {
            holdsRow = row;
        }
    }
    ASSERT_GE(hintedRow, 0);
    ASSERT_GE(holdsRow, 0);
    EXPECT_TRUE(list->topLevelItem(hintedRow)->text(5).endsWith(QLatin1String(", after a hint")));

    list->setCurrentItem(list->topLevelItem(hintedRow));
    key(*window, Qt::Key_Return);
    EXPECT_TRUE(child(*window, "HintShown")->isVisible());
    EXPECT_TRUE(child<DecisionView>(*window, "Decision")->accessibleName().contains(QLatin1String(", after a hint")));

    key(*window, Qt::Key_Escape);
    list->setCurrentItem(list->topLevelItem(holdsRow));
    key(*window, Qt::Key_Return);
    EXPECT_FALSE(child(*window, "HintShown")->isVisible());
    const review::Decision& d = r.decisions[static_cast<std::size_t>(order[static_cast<std::size_t>(holdsRow)])];
    for (const auto& [name, action] : {std::pair("PlayedDice", d.played), std::pair("BestDice", d.best)}) {
        auto* row = child<DiceRow>(*window, QString::fromLatin1(name));
        EXPECT_TRUE(row->isVisible()) << name;
        for (int n = 0; n < kDiceCount; ++n) {
            EXPECT_EQ(row->dice()[static_cast<std::size_t>(n)].held, action.hold[static_cast<std::size_t>(n)])
                << name << ", die " << n + 1;
        }
    }
}

// Without the dice pictures each die is drawn: its face on a light square,
// darker when held, as the main window draws it.
TEST_F(ReviewWindowTest, MissingPicturesAreDrawnDice)
{
    const GameToReview game = greedyGame();
    advisor::Advisor advisor;
    ReviewWindow window(review::reviewGame(game.record, game.sheet, advisor), folder.filePath("none").toStdU16String());
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    key(window, Qt::Key_Return);
    auto* dice = child<DiceRow>(window, "DecisionDice");
    const QImage drawn = dice->grab().toImage();
    for (int n = 0; n < kDiceCount; ++n) {
        const bool held = dice->dice()[static_cast<std::size_t>(n)].held;
        EXPECT_EQ(drawn.pixelColor(n * (DiceRow::kDieSize + DiceRow::kGap) + 3, 3),
                  held ? QColor(160, 160, 160) : QColor(240, 240, 240))
            << "die " << n + 1;
    }
}

// Without a game, or with a record that is not the game's, one line says why,
// on screen and to screen readers.
TEST_F(ReviewWindowTest, NoGameOrARefusedRecordIsOneLine)
{
    ReviewWindow empty(std::nullopt, folder.path().toStdU16String());
    empty.setAttribute(Qt::WA_DeleteOnClose, false);
    empty.show();
    EXPECT_EQ(empty.statusLine(), "There is no game to review yet: F5 reviews the last game played to the end.");
    EXPECT_EQ(child(empty, "ReviewStatus")->accessibleName(), empty.statusLine());
    EXPECT_EQ(empty.findChild<QTreeWidget*>(), nullptr);

    GameToReview game = greedyGame();
    game.sheet[index(Column::Up)][0].value = *game.sheet[index(Column::Up)][0].value + 1;
    ReviewWindow refused(std::move(game), folder.path().toStdU16String());
    refused.setAttribute(Qt::WA_DeleteOnClose, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return refused.statusLine().startsWith(QLatin1String("This game")); }, 20000))
        << refused.statusLine().toStdString();
    EXPECT_TRUE(refused.statusLine().startsWith(QLatin1String("This game cannot be reviewed: ")));
    EXPECT_EQ(child(refused, "ReviewStatus")->accessibleName(), refused.statusLine());
    EXPECT_FALSE(refused.review());
}

// A window closed while its review runs goes at once, at any point of the
// review: the worker stops after the decision it is pricing, and nothing it
// reports reaches the window that has gone.
TEST_F(ReviewWindowTest, AWindowGoneWhileReviewingStopsTheReview)
{
    for (const int wait : {0, 5, 20}) {
        auto window = std::make_unique<ReviewWindow>(greedyGame(), folder.path().toStdU16String());
        QTest::qWait(wait);
        EXPECT_TRUE(window->statusLine().startsWith(QLatin1String("Reviewing the game")))
            << window->statusLine().toStdString();
        window.reset();
        QCoreApplication::processEvents();
    }
}

}  // namespace

namespace testing_f5 {
using ui::testing::Harness;

class ReviewKeyTest : public ::testing::Test, public Harness {
protected:
    ReviewWindow* waitForReview() const
    {
        ReviewWindow* window = form->reviewWindow();
        EXPECT_NE(window, nullptr);
        if (window != nullptr) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return window->statusLine().isEmpty(); }, 20000))
                << window->statusLine().toStdString();
        }
        return window;
    }
};

// F5 before any game has ended: one line, and the game in play is untouched.
TEST_F(ReviewKeyTest, F5WithoutAFinishedGameSaysSo)
{
    roll({1, 2, 3, 4, 5});
    click("Kocka2p");
    const GameState before = form->engine().gameState();
    cues.played.clear();
    keyUp(Qt::Key_F5);
    ASSERT_NE(form->reviewWindow(), nullptr);
    EXPECT_TRUE(form->reviewWindow()->isVisible());
    // The history is looked at first, off the window's thread: it has no game.
    EXPECT_EQ(form->reviewWindow()->statusLine(), "Looking for the last game you finished\u2026");
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->gameHistory().idle(); }));
    EXPECT_TRUE(form->reviewWindow()->statusLine().startsWith(QLatin1String("There is no game to review yet")));
    EXPECT_EQ(form->engine().gameState(), before);
    EXPECT_TRUE(cues.played.empty());

    // Esc closes the review on its press; its release, in the main window, does not quit.
    QTest::keyPress(form->reviewWindow(), Qt::Key_Escape);
    EXPECT_FALSE(form->reviewWindow()->isVisible());
    QTest::keyRelease(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
}

// A game taken up at its last cell and finished: F5 reviews it from that
// turn, also once a new game has begun.
TEST_F(ReviewKeyTest, F5ReviewsTheLastFinishedGame)
{
    GameState lastCell;
    for (auto& column : lastCell.cells) {
        for (int row = 1; row <= kRowCount; ++row) {
            column[row - 1].value = row == row::Minimum ? 5 : row == row::Maximum ? 30 : 0;
        }
    }
    lastCell.cells[index(Column::Down)][row::Dakru - 1].value.reset();
    lastCell.RollCount = 0;
    lastCell.CalledRow = 0;
    form->engine().OfferKeptGame(lastCell);
    roll({5, 5, 5, 2, 1});
    click("Kocka1p");
    click("Kocka2p");
    click("Kocka3p");
    roll({5, 5});
    click(cellName(Column::Down, row::Dakru));
    form->Timer2_Timer();  // the hand-over
    keyUp(Qt::Key_F2);     // a new game
    Sheet finished = lastCell.cells;
    finished[index(Column::Down)][row::Dakru - 1].value = 75;

    keyUp(Qt::Key_F5);
    ReviewWindow* window = waitForReview();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->review());
    const review::Review& r = *window->review();
    EXPECT_EQ(r.firstTurn, kCellCount);
    EXPECT_EQ(r.decisions.size(), 2u) << "the holds before roll 2, and writing rather than rolling again";
    EXPECT_EQ(r.finalScore, computeTotals(finished).grandTotal);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("RecordedFrom"))->text(), "turn 56");
}

}  // namespace testing_f5
}  // namespace dakru::ui::coach
