#include "ico_file.h"

#include "little_endian.h"

#include <QBuffer>

#include <cstdint>

namespace dakru::art {

namespace {

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

}  // namespace

QByteArray icoFile(const std::vector<QImage>& images)
{
    constexpr std::uint32_t headerSize = 6;
    constexpr std::uint32_t entrySize = 16;

    std::vector<QByteArray> pngs;
    pngs.reserve(images.size());
    for (const QImage& image : images)
        pngs.push_back(png(image));

    QByteArray out;
    put16(out, 0);  // reserved
    put16(out, 1);  // type: icon
    put16(out, static_cast<std::uint16_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(headerSize + entrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A width or height of 256 is written as 0.
        out.append(static_cast<char>(images[i].width() & 0xff));
        out.append(static_cast<char>(images[i].height() & 0xff));
        out.append('\0');  // no palette
        out.append('\0');  // reserved
        put16(out, 1);     // colour planes
        put16(out, 32);    // bits per pixel
        put32(out, static_cast<std::uint32_t>(pngs[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(pngs[i].size());
    }
    for (const QByteArray& data : pngs)
        out.append(data);
    return out;
}

}  // namespace dakru::art
