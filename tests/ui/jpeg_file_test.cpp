// The game's own JPEG reading: the pictures as the toolkit's reader shows them,
// and a clear null for a file it cannot show.
#if defined(__linux__)
#include <link.h>
#endif

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <filesystem>
#include <string_view>

#include "jpeg_file.h"

namespace dakru::ui {
namespace {

std::filesystem::path pathOf(const QString& file)
{
    return std::filesystem::path(file.toStdU16String());
}

// What the toolkit's own reader makes of the file, in the format the game's gives.
QImage byTheToolkit(const QString& file)
{
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

QByteArray jpegBytes(const QImage& image, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

void write(const QString& file, const QByteArray& bytes)
{
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

QImage pattern(QImage::Format format)
{
    QImage image(61, 37, QImage::Format_RGB32);  // odd sizes: partial blocks at the edges
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb((x * 9) & 0xff, (y * 13) & 0xff, (x * y) & 0xff));
        }
    }
    return image.convertToFormat(format);
}

// Every picture the game ships, pixel for pixel as the toolkit would show it.
TEST(JpegFileTest, TheGamesPicturesDecodeAsTheToolkitShowsThem)
{
    int pictures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DAKRU_ASSETS_DIR "/Pictures")) {
        const QString file = QString::fromStdU16String(entry.path().u16string());
        SCOPED_TRACE(file.toStdString());
        const QImage decoded = readJpegFile(entry.path());
        ASSERT_FALSE(decoded.isNull());
        EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
        EXPECT_EQ(decoded, byTheToolkit(file));
        ++pictures;
    }
    EXPECT_GT(pictures, 0) << "no pictures found";
}

// Colour and grey, baseline and progressive: the same pixels as the toolkit's.
TEST(JpegFileTest, EachKindOfJpegDecodesAsTheToolkitShowsIt)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        QImage::Format format;
        bool progressive;
    } kinds[] = {
        {"colour", QImage::Format_RGB32, false},
        {"colour, progressive", QImage::Format_RGB32, true},
        {"grey", QImage::Format_Grayscale8, false},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const QString file = dir.filePath(QString::fromLatin1(kind.name) + QStringLiteral(".jpg"));
        write(file, jpegBytes(pattern(kind.format), kind.progressive));
        const QImage decoded = readJpegFile(pathOf(file));
        ASSERT_EQ(decoded.size(), QSize(61, 37));
        EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
        EXPECT_EQ(decoded, byTheToolkit(file));
    }
}

// A file that is not there, not a JPEG, cut short in its header or claiming
// more pixels than any picture of ours shows nothing (the caller reports it);
// one cut short in its pixels shows what decodes, as the toolkit's reader
// does. Neither says anything on stderr.
TEST(JpegFileTest, AFileThatCannotBeShownIsNullAndQuiet)
{
    QTemporaryDir dir;
    const QByteArray jpeg = jpegBytes(pattern(QImage::Format_RGB32), false);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    pattern(QImage::Format_RGB32).save(&buffer, "PNG");
    // The frame header gives the height and width three and five bytes past its marker.
    QByteArray huge = jpeg;
    const qsizetype frame = huge.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    huge.replace(frame + 5, 4, "\x4E\x20\x4E\x20");  // 20000 x 20000
    QByteArray scrambled = jpeg;
    for (qsizetype i = 2; i < scrambled.size(); i += 3) {
        scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5a);
    }

    const struct {
        const char* name;
        std::optional<QByteArray> bytes;  // none: no file
        bool shown;
    } files[] = {
        {"missing", std::nullopt, false},
        {"empty", QByteArray(), false},
        {"PNG", png, false},
        {"header cut short", jpeg.left(40), false},
        {"1.6 GB of pixels claimed", huge, false},
        {"scrambled after the start marker", scrambled, false},
        {"pixels cut short", jpeg.left(jpeg.size() * 2 / 3), true},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const QString file = dir.filePath(QString::fromLatin1(f.name) + QStringLiteral(".jpg"));
        if (f.bytes) {
            write(file, *f.bytes);
        }
        ::testing::internal::CaptureStderr();
        const QImage decoded = readJpegFile(pathOf(file));
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(!decoded.isNull(), f.shown);
        if (f.shown) {
            EXPECT_EQ(decoded.size(), QSize(61, 37));
        }
    }
}

#if defined(__linux__) && defined(DAKRU_JPEG_BUILT_IN)
// The point of the built-in reader: no image plugin of the toolkit's is loaded
// (ctest runs each test in a process of its own, so no other test has loaded one).
TEST(JpegFileTest, ReadingThePicturesLoadsNoImagePlugin)
{
    const QImage cover = readJpegFile(DAKRU_ASSETS_DIR "/Pictures/Cover.jpg");
    ASSERT_FALSE(cover.isNull());
    bool pluginLoaded = false;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            const std::string_view name(info->dlpi_name);
            *static_cast<bool*>(data) |=
                name.find("imageformats") != std::string_view::npos || name.find("libjpeg") != std::string_view::npos;
            return 0;
        },
        &pluginLoaded);
    EXPECT_FALSE(pluginLoaded);
}
#endif

}  // namespace
}  // namespace dakru::ui
