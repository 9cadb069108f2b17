#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>

#include "packed_picture.h"
#include "picture.h"
#include "program_icon.h"

namespace dakru::ui {
namespace {

enum Files { Both, OrdinaryOnly, DenseOnly, None };

// A 42 x 42 picture, as the dice are, asked for at `ratios` in turn, as a window
// moving between screens does: what the first ratio shows, and how many lines
// stderr gets in all. The same whether it was read ahead for the first ratio,
// for another (the window moved meanwhile) or not at all.
TEST(PictureTest, EachRatioGetsItsFileAndEachMissingFileIsToldOnce)
{
    const struct {
        Files files;
        std::vector<qreal> ratios;
        QSize deviceSize;  // 0 x 0: nothing to show
        qreal pictureRatio;
        bool dense;
        int lines;
    } cases[] = {
        {Both, {1, 2, 1}, {42, 42}, 1, false, 0},
        {Both, {2, 1, 2}, {84, 84}, 2, true, 0},
        // Fitted to the device pixels, rounded up so that no edge is cut off.
        {Both, {1.25}, {53, 53}, 1.25, true, 0},
        {Both, {1.5}, {63, 63}, 1.5, true, 0},
        {Both, {1.75}, {74, 74}, 1.75, true, 0},
        {Both, {3}, {126, 126}, 3, true, 0},
        {OrdinaryOnly, {1}, {42, 42}, 1, false, 0},
        {OrdinaryOnly, {2, 1, 1.5, 2}, {42, 42}, 1, false, 1},
        {DenseOnly, {2}, {84, 84}, 2, true, 0},
        {DenseOnly, {1, 2, 1}, {0, 0}, 0, false, 1},
        {None, {2, 1, 2}, {0, 0}, 0, false, 1},
    };
    QTemporaryDir root;
    int made = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "files " << c.files << ", first ratio " << c.ratios[0]);
        const QString dir = root.filePath(QString::number(++made));
        QDir().mkpath(dir);
        const auto save = [&dir](const char* name, int size, QRgb colour) {
            QImage image(size, size, QImage::Format_RGB32);
            image.fill(colour);
            image.save(dir + u'/' + QLatin1String(name));
        };
        if (c.files == Both || c.files == OrdinaryOnly) {
            save("d1.jpg", 42, qRgb(20, 20, 60));
        }
        if (c.files == Both || c.files == DenseOnly) {
            save("d1@2x.jpg", 84, qRgb(200, 40, 40));
        }
        for (const qreal ahead : {0.0, c.ratios[0], c.ratios[0] == 1 ? 2.0 : 1.0}) {
            SCOPED_TRACE(::testing::Message() << "read ahead for " << ahead);
            Picture picture(std::filesystem::path(dir.toStdU16String()), "d1.jpg");
            ::testing::internal::CaptureStderr();
            if (ahead > 0) {
                picture.readAhead(ahead);
            }
            const QPixmap shown = picture.at(c.ratios[0]);
            for (const qreal ratio : c.ratios) {
                picture.at(ratio);
            }
            const std::string told = ::testing::internal::GetCapturedStderr();

            EXPECT_EQ(shown.size(), c.deviceSize);
            if (!shown.isNull()) {
                EXPECT_EQ(shown.devicePixelRatio(), c.pictureRatio);
                EXPECT_EQ(qRed(shown.toImage().pixel(21, 21)) > 150, c.dense);
            }
            EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), c.lines) << told;
        }
    }
}

// The cover is kept packed and drawn in bands: whatever part a repaint asks
// for, at whatever density, the screen must get exactly the picture's pixels,
// as drawing the decoded picture itself gives them.
TEST(PackedPictureTest, EveryPartDrawsThePicturesOwnPixels)
{
    const auto pattern = [](QSize size, qreal ratio, QImage::Format format) {
        QImage image(size, format);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                image.setPixel(x, y, qRgba((x * 7) & 0xff, (y * 5) & 0xff, (x ^ y) & 0xff, 255));
            }
        }
        image.setDevicePixelRatio(ratio);
        return image;
    };
    const auto drawn = [](const QSize& layout, qreal ratio, const auto& draw) {
        QImage screen((QSizeF(layout) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        screen.setDevicePixelRatio(ratio);
        screen.fill(Qt::black);
        QPainter painter(&screen);
        draw(painter);
        return screen;
    };
    const struct {
        QSize size;  // device pixels
        qreal ratio;
        QImage::Format format;
    } pictures[] = {
        {{100, 150}, 1, QImage::Format_RGB32},
        {{200, 300}, 2, QImage::Format_RGB32},
        {{150, 225}, 1.5, QImage::Format_RGB32},  // fitted: kept as given
        {{100, 150}, 1, QImage::Format_ARGB32},   // transparency: kept as given
    };
    const QRect areas[] = {
        {0, 0, 100, 150},   // all of it
        {10, 20, 5, 5},     // inside one band
        {3, 25, 60, 50},    // across bands
        {90, 140, 40, 40},  // beyond the picture
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(::testing::Message() << "ratio " << p.ratio << ", format " << p.format);
        const QImage image = pattern(p.size, p.ratio, p.format);
        const QSize layout(100, 150);
        PackedPicture picture(image);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), QSizeF(layout));
        for (const bool packed : {false, true}) {
            if (packed) {
                picture.pack();
            }
            for (const QRect& area : areas) {
                SCOPED_TRACE(::testing::Message()
                             << "area " << area.x() << "," << area.y() << " " << area.width() << "x" << area.height());
                const QImage got = drawn(layout, p.ratio, [&](QPainter& painter) { picture.draw(painter, area); });
                const QImage expected = drawn(layout, p.ratio, [&](QPainter& painter) {
                    painter.setClipRect(area);
                    painter.drawImage(QPointF(0, 0), image);
                });
                EXPECT_EQ(got, expected) << (packed ? "packed" : "as decoded");
            }
        }
    }
    EXPECT_TRUE(PackedPicture(QImage()).isNull());
}

// The icon's pixels are written into the program by the build: each size must
// show exactly what its PNG file holds, with its colours and transparency.
TEST(ProgramIconTest, EveryWindowSizeShowsItsFilePixelForPixel)
{
    const QIcon icon = programIcon();
    QList<QSize> expected;
    for (const int size : {16, 32, 48, 64}) {
        expected.append(QSize(size, size));
        const QImage file(QStringLiteral(DAKRU_ASSETS_DIR "/icons/dakru-%1.png").arg(size));
        ASSERT_FALSE(file.isNull()) << size;
        const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage();
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), file.convertToFormat(QImage::Format_ARGB32)) << size;
    }
    EXPECT_EQ(icon.availableSizes(), expected);
}

}  // namespace
}  // namespace dakru::ui
