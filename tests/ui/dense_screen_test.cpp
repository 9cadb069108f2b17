// The windows on a screen of twice the density (run with QT_SCALE_FACTOR=2).
#include "dice_row.h"
#include "harness.h"
#include "review_window.h"
#include "self_play.h"

namespace dakru::ui::testing {
namespace {

class DenseScreenTest : public ::testing::Test, public Harness {
protected:
    DenseScreenTest() : Harness(true) {}
};

bool white(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) > 200;
}

// The single-pixel line of the dense picture shows one to one: the pixels on
// both sides of it stay dark.
void expectDenseLine(const QImage& grab, int top, int bottom)
{
    for (int y = top; y < bottom; y += 7) {
        EXPECT_TRUE(white(grab, kDenseLineX, y)) << "row " << y;
        EXPECT_FALSE(white(grab, kDenseLineX - 1, y)) << "row " << y;
        EXPECT_FALSE(white(grab, kDenseLineX + 1, y)) << "row " << y;
    }
}

TEST_F(DenseScreenTest, TitleScreenShowsTheDenseCoverInTheSameLayout)
{
    ASSERT_EQ(form->devicePixelRatio(), 2) << "run with QT_SCALE_FACTOR=2";
    EXPECT_EQ(form->size(), QSize(348, 520));
    const QImage grab = form->grab().toImage();
    EXPECT_EQ(grab.size(), QSize(696, 1040));
    expectDenseLine(grab, 10, 200);  // the title, where nothing lies over the cover
}

TEST_F(DenseScreenTest, DiceShowTheDenseFacesAfterARoll)
{
    roll({1, 2, 3, 4, 5});
    click("Kocka2p");
    const char* const shown[] = {"d1.jpg", "d2s.jpg", "d3.jpg", "d4.jpg", "d5.jpg"};
    for (int n = 1; n <= kDiceCount; ++n) {
        const QPixmap face = label(QStringLiteral("Kocka%1p").arg(n))->pixmap();
        EXPECT_EQ(face.devicePixelRatio(), 2) << n;
        EXPECT_EQ(face.deviceIndependentSize().toSize(), QSize(pictureWidth(shown[n - 1]), 42)) << n;
        EXPECT_GT(face.toImage().pixelColor(10, 10).red(), 150) << n;  // the dense colour
    }
}

TEST_F(DenseScreenTest, HighScoreWindowShowsTheDenseBackground)
{
    keyUp(Qt::Key_F3);
    ASSERT_NE(form->highScoreWindow(), nullptr);
    expectDenseLine(form->highScoreWindow()->grab().toImage(), 10, 150);
}

// The sheet's lines and cell borders take exactly the doubled pixels of the
// ordinary screen's: no line shifts off a cell edge, none is doubled or lost.
TEST_F(DenseScreenTest, SheetLinesCoverTheDoubledPixels)
{
    roll({1, 2, 3, 4, 5});  // the cover goes behind the sheet; some cells turn yellow
    const QImage dense = form->grab().toImage();
    QImage ordinary(form->size(), QImage::Format_RGB32);
    form->render(&ordinary);

    // Cells of rows 1 to 6 with the lines round them: nothing of the cover shows there.
    const QRect opaque(63, 128, 226, 97);
    int differing = 0;
    for (int y = opaque.top(); y <= opaque.bottom(); ++y) {
        for (int x = opaque.left(); x <= opaque.right(); ++x) {
            const QRgb expected = ordinary.pixel(x, y);
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                differing += dense.pixel(2 * x + d.x(), 2 * y + d.y()) != expected;
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

// The review window at twice the density: the dice of a decision are the
// dense pictures, every die red to its edges.
TEST_F(DenseScreenTest, ReviewDiceShowTheDensePictures)
{
    advisor::GreedyPlayer greedy;
    advisor::PlayedGame game = advisor::playGame(greedy, 3);
    advisor::Advisor advisor;
    coach::ReviewWindow window(review::reviewGame(game.record, game.sheet, advisor), picturesDir);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    ASSERT_TRUE(window.review().has_value());
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    auto* dice = window.findChild<coach::DiceRow*>(QStringLiteral("DecisionDice"));
    ASSERT_NE(dice, nullptr);
    const QImage drawn = dice->grab().toImage();
    ASSERT_EQ(drawn.size(), 2 * dice->size());
    for (int n = 0; n < kDiceCount; ++n) {
        const int left = 2 * n * (coach::DiceRow::kDieSize + coach::DiceRow::kGap);
        for (const QPoint p : {QPoint(left + 1, 1), QPoint(left + 42, 42), QPoint(left + 82, 82)}) {
            EXPECT_GT(drawn.pixelColor(p).red(), 150) << "die " << n + 1 << " at " << p.x() << ", " << p.y();
        }
    }
}

}  // namespace
}  // namespace dakru::ui::testing
