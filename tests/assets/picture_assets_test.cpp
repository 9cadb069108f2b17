#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

QString assetPath(const std::string& relative)
{
    return QString::fromStdString(std::string(DAKRU_ASSETS_DIR) + "/" + relative);
}

QImage load(const std::string& relative)
{
    return QImage(assetPath(relative)).convertToFormat(QImage::Format_RGB32);
}

int luminance(QRgb c)
{
    return qGray(c);
}

// ---- Every picture: there, the right size, the right format, decodable ----

struct PictureCase {
    std::string file;
    int width;
    int height;
};

std::vector<PictureCase> allPictures()
{
    std::vector<PictureCase> cases{{"Pictures/d.jpg", 42, 42}};
    for (int face = 1; face <= 6; ++face) {
        cases.push_back({"Pictures/d" + std::to_string(face) + ".jpg", 42, 42});
        cases.push_back({"Pictures/d" + std::to_string(face) + "s.jpg", 42, 42});
    }
    cases.push_back({"Pictures/Cover.jpg", 353, 521});
    cases.push_back({"Pictures/HighScores.jpg", 299, 350});
    for (const int size : {16, 32, 48, 64, 128, 256})
        cases.push_back({"icons/dakru-" + std::to_string(size) + ".png", size, size});
    return cases;
}

class PictureFile : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureFile, HasItsSizeFormatAndDecodes)
{
    const PictureCase& c = GetParam();
    QFile file(assetPath(c.file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.file << " is missing";
    const QByteArray head = file.read(8);
    const bool jpeg = c.file.ends_with(".jpg");
    if (jpeg)
        EXPECT_TRUE(head.startsWith("\xFF\xD8\xFF")) << c.file << " is not JPEG inside";
    else
        EXPECT_TRUE(head.startsWith("\x89PNG\r\n\x1A\n")) << c.file << " is not PNG inside";

    QImageReader reader(assetPath(c.file));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << c.file << ": " << reader.errorString().toStdString();
    EXPECT_EQ(image.width(), c.width) << c.file;
    EXPECT_EQ(image.height(), c.height) << c.file;
    if (!jpeg) {
        EXPECT_TRUE(image.hasAlphaChannel()) << c.file;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << c.file << ": icon corners must be transparent";
    }
}

INSTANTIATE_TEST_SUITE_P(Assets, PictureFile, testing::ValuesIn(allPictures()),
                         [](const testing::TestParamInfo<PictureCase>& info) {
                             std::string name = info.param.file;
                             std::replace_if(name.begin(), name.end(),
                                             [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); },
                                             '_');
                             return name;
                         });

// ---- Dice ----

// Counts the pips of a die picture: blobs darker than `threshold` on a light
// die, or lighter on a dark one, inside the die's face.
int countPips(const QImage& die, bool lightPips)
{
    const QRect face(6, 6, 30, 30);
    std::vector<int> seen(42 * 42, 0);
    const auto isPip = [&](int x, int y) {
        const int l = luminance(die.pixel(x, y));
        return lightPips ? l > 200 : l < 100;
    };
    int blobs = 0;
    for (int y = face.top(); y <= face.bottom(); ++y)
        for (int x = face.left(); x <= face.right(); ++x) {
            if (seen[y * 42 + x] || !isPip(x, y))
                continue;
            ++blobs;
            std::vector<QPoint> stack{{x, y}};
            seen[y * 42 + x] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + d;
                    if (face.contains(n) && !seen[n.y() * 42 + n.x()] && isPip(n.x(), n.y())) {
                        seen[n.y() * 42 + n.x()] = 1;
                        stack.push_back(n);
                    }
                }
            }
        }
    return blobs;
}

double meanDifference(const QImage& a, const QImage& b)
{
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                   + std::abs(qBlue(p) - qBlue(q));
        }
    return double(sum) / (3.0 * a.width() * a.height());
}

TEST(DicePictures, PipsCountTheFaceWhetherReleasedOrHeld)
{
    EXPECT_EQ(countPips(load("Pictures/d.jpg"), false), 0);
    for (int face = 1; face <= 6; ++face) {
        const std::string f = std::to_string(face);
        EXPECT_EQ(countPips(load("Pictures/d" + f + ".jpg"), false), face) << "d" << f << ".jpg";
        EXPECT_EQ(countPips(load("Pictures/d" + f + "s.jpg"), true), face) << "d" << f << "s.jpg";
    }
}

TEST(DicePictures, HeldDiceStandOutFromReleasedOnes)
{
    for (int face = 1; face <= 6; ++face) {
        const std::string f = std::to_string(face);
        EXPECT_GT(meanDifference(load("Pictures/d" + f + ".jpg"), load("Pictures/d" + f + "s.jpg")),
                  40.0)
            << "face " << f;
    }
}

TEST(DicePictures, CornersMatchTheCoverTray)
{
    // The die pictures are square; their corners must vanish into the tray of
    // the cover on which they lie.
    const QImage cover = load("Pictures/Cover.jpg");
    const QRgb tray = cover.pixel(104 + 21, 424 + 21);
    for (const char* name : {"d.jpg", "d4.jpg", "d4s.jpg"}) {
        const QImage die = load(std::string("Pictures/") + name);
        for (const QPoint corner : {QPoint(0, 0), QPoint(41, 0), QPoint(0, 41)}) {
            const QRgb c = die.pixel(corner);
            EXPECT_LE(std::abs(qRed(c) - qRed(tray)) + std::abs(qGreen(c) - qGreen(tray))
                          + std::abs(qBlue(c) - qBlue(tray)),
                      15)
                << name << " corner " << corner.x() << "," << corner.y();
        }
    }
}

// ---- Cover and high-score background ----

struct Spread {
    int darkest = 255, brightest = 0;
    double mean = 0;
};

Spread spreadOf(const QImage& image, const QRect& area)
{
    Spread s;
    long long sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int l = luminance(image.pixel(x, y));
            s.darkest = std::min(s.darkest, l);
            s.brightest = std::max(s.brightest, l);
            sum += l;
        }
    s.mean = double(sum) / (area.width() * area.height());
    return s;
}

int brightPixels(const QImage& image, const QRect& area, int threshold = 140)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += luminance(image.pixel(x, y)) > threshold;
    return count;
}

const std::array<QRect, 5> kHotSpots{QRect(24, 432, 59, 33), QRect(16, 480, 57, 25),
                                     QRect(80, 480, 121, 25), QRect(208, 480, 57, 25),
                                     QRect(272, 480, 65, 25)};

TEST(CoverPicture, TheSheetLiesOnADarkCalmField)
{
    const Spread field = spreadOf(load("Pictures/Cover.jpg"), QRect(0, 105, 353, 306));
    EXPECT_LT(field.brightest, 60) << "white captions need a dark ground";
    EXPECT_LT(field.mean, 35);
}

TEST(CoverPicture, DiceStripAndRollCounterAreCalm)
{
    const QImage cover = load("Pictures/Cover.jpg");
    std::vector<QRect> calm{QRect(72, 440, 17, 17)};
    for (int i = 0; i < 5; ++i)
        calm.emplace_back(104 + 48 * i, 424, 42, 42);
    for (const QRect& area : calm) {
        const Spread s = spreadOf(cover, area);
        EXPECT_LE(s.brightest - s.darkest, 12) << "at " << area.x() << "," << area.y();
        EXPECT_LT(s.brightest, 50) << "at " << area.x() << "," << area.y();
    }
}

TEST(CoverPicture, MenuWordsLieUnderTheirHotSpots)
{
    const QImage cover = load("Pictures/Cover.jpg");
    for (const QRect& spot : kHotSpots)
        EXPECT_GE(brightPixels(cover, spot), 40) << "no word under the hot spot at " << spot.x()
                                                 << "," << spot.y();
    // Below the sheet, nothing bright lies outside the hot spots.
    for (int y = 420; y < cover.height(); ++y)
        for (int x = 0; x < cover.width(); ++x) {
            const bool inSpot = std::any_of(kHotSpots.begin(), kHotSpots.end(),
                                            [&](const QRect& r) { return r.contains(x, y); });
            if (!inSpot) {
                ASSERT_LE(luminance(cover.pixel(x, y)), 140) << "stray brightness at " << x << "," << y;
            }
        }
    EXPECT_GE(brightPixels(cover, QRect(0, 0, 353, 100)), 500) << "the title is missing";
}

TEST(HighScoreBackground, EntriesStayReadableAndCloseLiesInItsArea)
{
    const QImage background = load("Pictures/HighScores.jpg");
    const Spread entries = spreadOf(background, QRect(16, 88, 268, 238));
    EXPECT_LT(entries.brightest, 60) << "entries in (192, 192, 255) need a dark ground";
    EXPECT_GE(brightPixels(background, QRect(104, 320, 97, 30)), 40) << "CLOSE is missing";
    EXPECT_GE(brightPixels(background, QRect(0, 0, 299, 80)), 300) << "the heading is missing";
}

// ---- The Windows icon container ----

TEST(ProgramIcon, IcoHoldsEverySizeAsPng)
{
    QFile file(assetPath("icons/dakru.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    const auto u8 = [&](qsizetype at) { return static_cast<unsigned char>(ico.at(at)); };
    const auto u16 = [&](qsizetype at) { return u8(at) | u8(at + 1) << 8; };
    const auto u32 = [&](qsizetype at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };

    ASSERT_GE(ico.size(), 6);
    EXPECT_EQ(u16(0), 0);
    EXPECT_EQ(u16(2), 1) << "type must be icon";
    const std::array sizes{16, 32, 48, 64, 128, 256};
    ASSERT_EQ(u16(4), int(sizes.size()));
    ASSERT_GE(ico.size(), 6 + 16 * qsizetype(sizes.size()));
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const qsizetype entry = 6 + 16 * qsizetype(i);
        const int stored = sizes[i] == 256 ? 0 : sizes[i];
        EXPECT_EQ(u8(entry), stored);
        EXPECT_EQ(u8(entry + 1), stored);
        EXPECT_EQ(u16(entry + 4), 1) << "colour planes";
        EXPECT_EQ(u16(entry + 6), 32) << "bits per pixel";
        const quint32 length = u32(entry + 8);
        const quint32 offset = u32(entry + 12);
        ASSERT_LE(qsizetype(offset) + qsizetype(length), ico.size()) << "image " << i;
        const QByteArray png = ico.mid(offset, length);
        EXPECT_TRUE(png.startsWith("\x89PNG\r\n\x1A\n")) << "image " << i;
        const QImage image = QImage::fromData(png, "PNG");
        EXPECT_EQ(image.size(), QSize(sizes[i], sizes[i])) << "image " << i;
    }
}

}  // namespace
