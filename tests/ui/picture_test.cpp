#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>

#include "picture.h"

namespace dakru::ui {
namespace {

const QColor kOrdinary(20, 20, 60);
const QColor kDense(200, 40, 40);

enum Files { Both, OrdinaryOnly, DenseOnly, None };

struct Case {
    Files files;
    qreal ratio;
    QSize deviceSize;  // 0 x 0: no picture
    qreal pictureRatio;
    QColor colour;
    const char* told;  // what stderr says, empty for nothing
};

// A 42 x 42 picture, as the dice are, in a fresh folder holding `files`.
class PictureTest : public ::testing::Test {
protected:
    Picture make(Files files)
    {
        const QString dir = folder.filePath(QString::number(++made));
        QDir().mkpath(dir);
        const auto save = [&dir](const char* name, int size, const QColor& colour) {
            QImage image(size, size, QImage::Format_RGB32);
            image.fill(colour);
            image.save(dir + u'/' + QLatin1String(name));
        };
        if (files == Both || files == OrdinaryOnly) {
            save("d1.jpg", 42, kOrdinary);
        }
        if (files == Both || files == DenseOnly) {
            save("d1@2x.jpg", 84, kDense);
        }
        return Picture(std::filesystem::path(dir.toStdU16String()), "d1.jpg");
    }

    QTemporaryDir folder;
    int made = 0;
};

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 24;
}

TEST_F(PictureTest, EachRatioGetsItsFileAndEachMissingFileIsToldOnce)
{
    const Case cases[] = {
        {Both, 1, {42, 42}, 1, kOrdinary, ""},
        {Both, 2, {84, 84}, 2, kDense, ""},
        // Fractional ratios: the dense file fitted to the device pixels, rounded up so no edge is cut.
        {Both, 1.25, {53, 53}, 1.25, kDense, ""},
        {Both, 1.5, {63, 63}, 1.5, kDense, ""},
        {Both, 1.75, {74, 74}, 1.75, kDense, ""},
        {Both, 3, {126, 126}, 3, kDense, ""},
        {OrdinaryOnly, 1, {42, 42}, 1, kOrdinary, ""},
        {OrdinaryOnly, 2, {42, 42}, 1, kOrdinary, "no sharp picture"},
        {OrdinaryOnly, 1.5, {42, 42}, 1, kOrdinary, "no sharp picture"},
        {DenseOnly, 2, {84, 84}, 2, kDense, ""},
        {DenseOnly, 1, {0, 0}, 0, {}, "cannot show picture"},
        {None, 2, {0, 0}, 0, {}, "cannot show picture"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "files " << c.files << ", ratio " << c.ratio);
        Picture picture = make(c.files);
        ::testing::internal::CaptureStderr();
        const QPixmap shown = picture.at(c.ratio);
        picture.at(c.ratio);
        const std::string told = ::testing::internal::GetCapturedStderr();

        EXPECT_EQ(shown.size(), c.deviceSize);
        if (!shown.isNull()) {
            EXPECT_EQ(shown.devicePixelRatio(), c.pictureRatio);
            EXPECT_TRUE(near(shown.toImage().pixelColor(shown.width() / 2, shown.height() / 2), c.colour));
        }
        const std::string line = c.told[0] ? std::string("dakru: ") + c.told : std::string();
        EXPECT_EQ(told.substr(0, line.size()), line) << told;
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), c.told[0] ? 1 : 0) << told;
    }
}

// A window moving between screens reads the files again, but tells nothing new.
TEST_F(PictureTest, MovingBetweenScreensTellsAMissingFileOnce)
{
    for (const Files files : {OrdinaryOnly, DenseOnly, None}) {
        Picture picture = make(files);
        ::testing::internal::CaptureStderr();
        for (const qreal ratio : {2.0, 1.0, 1.5, 2.0, 1.0}) {
            picture.at(ratio);
        }
        const std::string told = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << "files " << files << ": " << told;
    }
    Picture both = make(Both);
    EXPECT_EQ(both.at(2).devicePixelRatio(), 2);
    EXPECT_EQ(both.at(1).devicePixelRatio(), 1);
    EXPECT_EQ(both.at(2).devicePixelRatio(), 2);
}

}  // namespace
}  // namespace dakru::ui
