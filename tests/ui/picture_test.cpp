#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>

#include "picture.h"
#include "program_icon.h"

namespace dakru::ui {
namespace {

enum Files { Both, OrdinaryOnly, DenseOnly, None };

// A 42 x 42 picture, as the dice are, asked for at `ratios` in turn, as a window
// moving between screens does: what the first ratio shows, and how many lines
// stderr gets in all.
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
        // Read when first shown, or read ahead for the first ratio: the same pictures and lines.
        for (const bool ahead : {false, true}) {
            SCOPED_TRACE(ahead ? "read ahead" : "read when shown");
            Picture picture(std::filesystem::path(dir.toStdU16String()), "d1.jpg");

            ::testing::internal::CaptureStderr();
            if (ahead) {
                picture.readAhead(c.ratios[0]);
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
