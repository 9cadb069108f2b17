#include "jpeg_file.h"

#include <QSysInfo>
#include <csetjmp>
#include <cstdio>  // before jpeglib.h, which uses FILE without including it
#include <memory>

#include <jpeglib.h>

#if !defined(JCS_EXTENSIONS)
#error "the JPEG library must decode into the toolkit's 32-bit layout (libjpeg-turbo does)"
#endif

namespace dakru::ui {

namespace {

// As large as the toolkit's own reader decodes by default: a header claiming
// more pixels is refused before anything is allocated for them.
constexpr unsigned long long kMostBytes = 256ULL * 1024 * 1024;

// The library reports errors by calling error_exit, which must not return:
// it jumps back to the start of decode(), which gives up on the file.
struct ErrorJump {
    jpeg_error_mgr manager{};
    std::jmp_buf back{};
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1);
}

// Warnings about damaged data stay quiet: a picture that cannot be shown is
// reported by the caller, once.
void quiet(j_common_ptr) {}

// Decodes into `image`; false on any error. Nothing here has a destructor to
// skip when the library jumps back.
bool decode(jpeg_decompress_struct& info, ErrorJump& error, std::FILE* file, QImage& image)
{
    if (setjmp(error.back) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space != JCS_GRAYSCALE && info.jpeg_color_space != JCS_YCbCr
        && info.jpeg_color_space != JCS_RGB) {
        return false;
    }
    // The toolkit's RGB32 is 0xffRRGGBB in native byte order.
    info.out_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_calc_output_dimensions(&info);
    if (4ULL * info.output_width * info.output_height > kMostBytes) {
        return false;
    }
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage readJpegFile(const std::filesystem::path& path)
{
    // C's files, not C++ streams: the start would otherwise bring in the
    // standard library's stream and locale code for this alone.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        return {};
    }
    jpeg_decompress_struct info{};
    ErrorJump error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpBack;
    error.manager.output_message = quiet;
    QImage image;
    const bool decoded = decode(info, error, file.get(), image);
    jpeg_destroy_decompress(&info);
    return decoded ? image : QImage();
}

}  // namespace dakru::ui
