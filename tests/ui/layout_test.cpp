#include "harness.h"

namespace dakru::ui::testing {
namespace {

using LayoutTest = Form1Test;

TEST_F(LayoutTest, WindowAndControlsInPlace)
{
    EXPECT_EQ(form->windowTitle(), QLatin1String("Dakru v1.05.06 - 23.12.2002"));
    EXPECT_EQ(form->size(), QSize(348, 520));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    const std::pair<const char*, QRect> places[] = {
        {"Image1", {0, 0, 353, 521}},    {"Label1", {8, 112, 57, 17}},    {"Label2", {64, 112, 57, 17}},
        {"Label91", {288, 112, 57, 17}}, {"Label7", {64, 128, 57, 17}},   {"Label10", {232, 128, 57, 17}},
        {"Label40", {232, 224, 57, 17}}, {"Label42", {64, 240, 57, 17}},  {"Label88", {288, 272, 57, 17}},
        {"Label61", {0, 304, 73, 17}},   {"Label95", {64, 320, 57, 17}},  {"Label92", {232, 320, 57, 17}},
        {"Label80", {232, 368, 57, 17}}, {"Label87", {288, 384, 57, 17}}, {"Label90", {232, 400, 57, 17}},
        {"Label86", {288, 400, 57, 17}}, {"Zvanje", {64, 400, 169, 17}},  {"RollsLeft", {72, 440, 17, 17}},
        {"Kocka1p", {104, 424, 42, 42}}, {"Kocka5p", {296, 424, 42, 42}}, {"G1", {24, 432, 59, 33}},
        {"G3", {80, 480, 121, 25}},      {"G5", {272, 480, 65, 25}},      {"GS1", {16, 440, 65, 25}},
        {"GS4", {200, 480, 65, 25}},     {"Label82", {64, 384, 57, 17}},
    };
    for (const auto& [name, rect] : places) {
        EXPECT_EQ(widget(name)->geometry(), rect) << name;
    }
    EXPECT_EQ(text("Label96"), "Large Straight");
    EXPECT_EQ(text("Label3"), "Down\\Up");
    const std::tuple<const char*, qreal, bool> fonts[] = {
        {"Label1", 9, true},     {"Label2", 9, false},   {"Label76", 8.25, false},  {"Label36", 9, true},
        {"Label90", 9.75, true}, {"Zvanje", 9.75, true}, {"RollsLeft", 8.25, false}};
    for (const auto& [name, points, bold] : fonts) {
        EXPECT_EQ(label(name)->font().pointSizeF(), points) << name;
        EXPECT_EQ(label(name)->font().bold(), bold) << name;
    }
}

// The wide captions read whole, within the window and clear of the line at
// the cells' left edge (x = 64), in their own text and point size.
TEST_F(LayoutTest, WideCaptionsEndBeforeTheCells)
{
    for (const auto& [name, caption] : {std::pair{"Label61", "Small Straight"}, std::pair{"Label96", "Large Straight"},
                                        std::pair{"Label66", "Full house"}}) {
        SCOPED_TRACE(name);
        ClickLabel* shown = label(name);
        EXPECT_EQ(shown->text(), caption);
        EXPECT_EQ(shown->font().pointSizeF(), 8.25);
        QImage ink(shown->size(), QImage::Format_ARGB32);
        ink.fill(Qt::transparent);
        shown->render(&ink, {}, {}, QWidget::DrawChildren);
        int left = ink.width();
        int right = -1;
        for (int y = 0; y < ink.height(); ++y) {
            for (int x = 0; x < ink.width(); ++x) {
                if (qAlpha(ink.pixel(x, y)) > 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        EXPECT_GT(left, 0) << "cut at the window's edge";
        EXPECT_LT(shown->x() + right, 63) << "runs into the Down column";
        EXPECT_GT(right - left, 40) << "still a caption";
    }
}

TEST_F(LayoutTest, StartShowsTheCoverOverABlankSheetWithTheDiceAboveIt)
{
    auto topAt = [this](const char* name) { return form->childAt(widget(name)->geometry().center()); };
    EXPECT_EQ(label("Label40")->fill(), QColor(Qt::black));
    for (const char* cell : {"Label7", "Label95", "Label92", "Label80"}) {
        EXPECT_EQ(label(cell)->fill(), QColor(Qt::black)) << cell;
        EXPECT_EQ(label(cell)->palette().color(QPalette::WindowText), QColor(192, 255, 192)) << cell;
        EXPECT_EQ(text(cell), "") << cell;
        EXPECT_EQ(topAt(cell), widget("Image1")) << cell;
    }
    for (const char* sum : {"Label37", "Label39", "Label85", "Label86"}) {
        EXPECT_EQ(label(sum)->fill(), std::nullopt) << sum;
        EXPECT_EQ(label(sum)->palette().color(QPalette::WindowText), QColor(255, 255, 192)) << sum;
        EXPECT_EQ(topAt(sum), widget("Image1")) << sum;
    }
    for (const char* shown : {"Kocka1p", "Kocka5p", "G1", "G2", "G5"}) {
        EXPECT_EQ(topAt(shown), widget(shown)) << shown;
    }
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(dieWidth(n), pictureWidth("d.jpg"));
        EXPECT_FALSE(widget(QStringLiteral("GS%1").arg(n))->isHidden());
    }
}

TEST_F(LayoutTest, FrontBackInBothDirections)
{
    const char* const sheet[] = {"Label1", "Label7", "Label95", "Label40", "Label86", "GridLines", "GS1", "GS5"};
    const char* const raised[] = {"RollsLeft", "G1", "G2", "G3", "G4", "G5", "Zvanje"};
    for (const Cover cover : {Cover::Back, Cover::Front, Cover::Back}) {
        form->FrontBack(cover);
        const int image = stackIndex("Image1");
        for (const char* name : sheet) {
            EXPECT_EQ(stackIndex(name) > image, cover == Cover::Back) << name;
        }
        for (const char* die : {"Kocka1p", "Kocka3p", "Kocka5p"}) {
            EXPECT_GT(stackIndex(die), image) << die;
        }
        // The seven lie on top, in this order.
        const int last = static_cast<int>(form->children().size()) - 1;
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(stackIndex(raised[i]), last - 6 + i) << raised[i];
        }
    }
}

}  // namespace
}  // namespace dakru::ui::testing
