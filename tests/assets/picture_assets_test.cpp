#include <QImage>
#include <QImageReader>
#include <QRect>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256, 512};
constexpr int kIcoSizes[] = {16, 32, 48, 64, 128, 256};

QString assetPath(const std::string& relative)
{
    return QString::fromStdString(std::string(DAKRU_ASSETS_DIR) + "/" + relative);
}

QImage load(const std::string& relative)
{
    return QImage(assetPath(relative)).convertToFormat(QImage::Format_RGB32);
}

// How many pixels of `area` are brighter than `threshold` (0 to 255).
int brighterThan(const QImage& image, const QRect& area, int threshold)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) > threshold;
    return count;
}

struct Picture {
    std::string name;  // without ".jpg"
    int width, height;
};

// Every picture of the game at its ordinary size; each also comes as "<name>@2x.jpg".
std::vector<Picture> pictures()
{
    std::vector<Picture> all{{"d", 42, 42}, {"Cover", 353, 521}, {"HighScores", 299, 350}};
    for (int face = 1; face <= 6; ++face)
        for (const char* held : {"", "s"})
            all.push_back({"d" + std::to_string(face) + held, 42, 42});
    return all;
}

std::string ordinaryFile(const Picture& picture)
{
    return "Pictures/" + picture.name + ".jpg";
}
std::string denseFile(const Picture& picture)
{
    return "Pictures/" + picture.name + "@2x.jpg";
}

TEST(PictureAssets, EveryPictureDecodesAtItsSize)
{
    std::vector<std::tuple<std::string, int, int>> files;
    for (const Picture& picture : pictures()) {
        files.emplace_back(ordinaryFile(picture), picture.width, picture.height);
        files.emplace_back(denseFile(picture), 2 * picture.width, 2 * picture.height);
    }
    for (const int size : kIconSizes)
        files.emplace_back("icons/dakru-" + std::to_string(size) + ".png", size, size);

    for (const auto& [file, width, height] : files) {
        QImageReader reader(assetPath(file));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << file << ": " << reader.errorString().toStdString();
        EXPECT_EQ(std::pair(image.width(), image.height()), std::pair(width, height)) << file;
        if (file.ends_with(".png")) {
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << file << ": icon corners are transparent";
        }
    }
}

TEST(PictureAssets, IcoHoldsEveryIconSizeItCan)
{
    QImageReader reader(assetPath("icons/dakru.ico"));
    ASSERT_EQ(reader.imageCount(), int(std::size(kIcoSizes))) << reader.errorString().toStdString();
    for (const int size : kIcoSizes) {
        const QImage image = reader.read();
        EXPECT_EQ(std::pair(image.width(), image.height()), std::pair(size, size));
        reader.jumpToNextImage();
    }
}

// Mean difference of grey levels, 0 to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return double(sum) / (a.width() * a.height());
}

// What a picture loses when it is halved and enlarged again: the detail that
// only its own size can hold. An enlarged picture has next to none.
double finestDetail(const QImage& image)
{
    const QImage blurred = image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return meanDifference(image, blurred);
}

// The dense picture shows the same design as the ordinary one, and is drawn
// anew at its size rather than enlarged from it.
TEST(PictureAssets, DensePicturesAreTheSameDesignDrawnSharper)
{
    for (const Picture& picture : pictures()) {
        const QImage ordinary = load(ordinaryFile(picture)), dense = load(denseFile(picture));
        const QSize size(picture.width, picture.height);
        const QImage halved = dense.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage enlarged = ordinary.scaled(size * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(halved, ordinary), 3.0) << picture.name;
        EXPECT_GT(finestDetail(dense), 1.4 * finestDetail(enlarged)) << picture.name;
    }
}

TEST(PictureAssets, HeldDiceClearlyDifferFromReleasedOnes)
{
    for (int face = 1; face <= 6; ++face) {
        const std::string name = "Pictures/d" + std::to_string(face);
        const QImage released = load(name + ".jpg"), held = load(name + "s.jpg");
        long long difference = 0;
        for (int y = 0; y < 42; ++y)
            for (int x = 0; x < 42; ++x)
                difference += std::abs(qGray(released.pixel(x, y)) - qGray(held.pixel(x, y)));
        EXPECT_GT(difference / (42 * 42), 40) << name;
    }
}

TEST(PictureAssets, TextLiesOnDarkGroundAndMenuWordsInTheirHotSpots)
{
    for (const auto& [suffix, scale] : {std::pair(".jpg", 1), std::pair("@2x.jpg", 2)}) {
        const QImage cover = load(std::string("Pictures/Cover") + suffix);
        const QImage scores = load(std::string("Pictures/HighScores") + suffix);
        const auto at = [scale](int x, int y, int width, int height) {
            return QRect(x * scale, y * scale, width * scale, height * scale);
        };
        EXPECT_EQ(brighterThan(cover, at(0, 105, 353, 306), 59), 0)
            << suffix << ": the sheet's captions need a dark ground";
        EXPECT_EQ(brighterThan(scores, at(16, 88, 268, 238), 59), 0) << suffix << ": the entries need a dark ground";
        for (const QRect spot : {at(24, 432, 59, 33), at(16, 480, 57, 25), at(80, 480, 121, 25), at(208, 480, 57, 25),
                                 at(272, 480, 65, 25)})
            EXPECT_GE(brighterThan(cover, spot, 140), 40 * scale * scale)
                << suffix << ": no word in the hot spot at " << spot.x() << "," << spot.y();
        EXPECT_GE(brighterThan(scores, at(104, 320, 97, 30), 140), 40 * scale * scale)
            << suffix << ": CLOSE is missing";
    }
}

}  // namespace
