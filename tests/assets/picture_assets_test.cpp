#include <QImage>
#include <QImageReader>
#include <QRect>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

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

TEST(PictureAssets, EveryPictureDecodesAtItsSize)
{
    struct Picture {
        std::string file;
        int width, height;
    };
    std::vector<Picture> pictures{{"Pictures/d.jpg", 42, 42},
                                  {"Pictures/Cover.jpg", 353, 521},
                                  {"Pictures/HighScores.jpg", 299, 350}};
    for (int face = 1; face <= 6; ++face)
        for (const char* held : {"", "s"})
            pictures.push_back({"Pictures/d" + std::to_string(face) + held + ".jpg", 42, 42});
    for (const int size : kIconSizes)
        pictures.push_back({"icons/dakru-" + std::to_string(size) + ".png", size, size});

    for (const auto& [file, width, height] : pictures) {
        QImageReader reader(assetPath(file));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << file << ": " << reader.errorString().toStdString();
        EXPECT_EQ(std::pair(image.width(), image.height()), std::pair(width, height)) << file;
        if (file.ends_with(".png")) {
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << file << ": icon corners are transparent";
        }
    }
}

TEST(PictureAssets, IcoHoldsEveryIconSize)
{
    QImageReader reader(assetPath("icons/dakru.ico"));
    ASSERT_EQ(reader.imageCount(), int(std::size(kIconSizes)))
        << reader.errorString().toStdString();
    for (const int size : kIconSizes) {
        const QImage image = reader.read();
        EXPECT_EQ(std::pair(image.width(), image.height()), std::pair(size, size));
        reader.jumpToNextImage();
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
    const QImage cover = load("Pictures/Cover.jpg"), scores = load("Pictures/HighScores.jpg");
    EXPECT_EQ(brighterThan(cover, QRect(0, 105, 353, 306), 59), 0)
        << "the sheet's captions need a dark ground";
    EXPECT_EQ(brighterThan(scores, QRect(16, 88, 268, 238), 59), 0)
        << "the entries need a dark ground";
    for (const QRect spot : {QRect(24, 432, 59, 33), QRect(16, 480, 57, 25),
                             QRect(80, 480, 121, 25), QRect(208, 480, 57, 25),
                             QRect(272, 480, 65, 25)})
        EXPECT_GE(brighterThan(cover, spot, 140), 40)
            << "no word in the hot spot at " << spot.x() << "," << spot.y();
    EXPECT_GE(brighterThan(scores, QRect(104, 320, 97, 30), 140), 40) << "CLOSE is missing";
}

}  // namespace
