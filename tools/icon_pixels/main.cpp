// dakru_icon_pixels: writes the program icon's pixels as C++ source, so that the
// window icon needs no picture file read and no PNG decoder at run time. Run by
// the build:
//   dakru_icon_pixels OUTPUT.cpp ICON.png...
#include <QImage>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The pixels as the toolkit holds them for a pixmap, so that showing the icon
// converts nothing: premultiplied ARGB, one 32-bit value a pixel.
bool writePixels(std::FILE* out, const QImage& image, int size)
{
    std::fprintf(out, "constexpr std::uint32_t kPixels%d[] = {", size);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            std::fprintf(out, "%s0x%08x,", x % 8 ? " " : "\n    ", line[x]);
    }
    return std::fprintf(out, "\n};\n") > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: dakru_icon_pixels OUTPUT.cpp ICON.png...\n", stderr);
        return 2;
    }
    std::vector<int> sizes;
    std::vector<QImage> images;
    for (int k = 2; k < argc; ++k) {
        const QImage image(QString::fromLocal8Bit(argv[k]));
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "dakru_icon_pixels: %s is not a square picture\n", argv[k]);
            return 1;
        }
        images.push_back(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        sizes.push_back(image.width());
    }

    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::fprintf(stderr, "dakru_icon_pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fputs(
        "// Made by dakru_icon_pixels from the icon's PNG files; the build makes it anew.\n"
        "#include \"icon_pixels.h\"\n\nnamespace dakru::ui {\nnamespace {\n\n",
        out);
    bool written = true;
    for (std::size_t k = 0; k < images.size(); ++k)
        written = writePixels(out, images[k], sizes[k]) && written;
    std::fputs(
        "\n}  // namespace\n\nstd::span<const IconPixels> iconPixels()\n{\n"
        "    static constexpr IconPixels sizes[] = {\n",
        out);
    for (const int size : sizes)
        std::fprintf(out, "        {%d, kPixels%d},\n", size, size);
    std::fputs("    };\n    return sizes;\n}\n\n}  // namespace dakru::ui\n", out);
    written = std::fclose(out) == 0 && written;
    if (!written) {
        std::fprintf(stderr, "dakru_icon_pixels: cannot write %s\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
