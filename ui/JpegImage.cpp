#include "JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

namespace {

// Larger pictures than this are refused rather than allocated.
constexpr long long MaxPixels = 64LL * 1024 * 1024;

// libjpeg reports every error and warning through this manager. The default
// one prints to stderr and calls exit(); ours jumps back to DecodeInto with
// the message. Warnings are treated as errors: a truncated file would
// otherwise decode "successfully" as a half-grey picture.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void Fail(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0) Fail(cinfo); // a warning: the data is corrupt
}

void Silent(j_common_ptr) {}

// Where the decoded rows go. Lives in DecodeJpeg's frame, outside the one
// that calls setjmp, so a longjmp never skips a C++ destructor.
struct Target {
    QImage image;
};

// Called between setjmp and the row loop; returns the first row or nullptr.
unsigned char* Allocate(Target* target, int width, int height, int components) {
    const QImage::Format format =
        components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
    target->image = QImage(width, height, format);
    return target->image.isNull() ? nullptr : target->image.bits();
}

int BytesPerLine(const Target* target) {
    return static_cast<int>(target->image.bytesPerLine());
}

// Plain C-style decoder: only POD locals, so jumping out of libjpeg back to
// the setjmp here is well defined. Returns false with reason filled.
bool DecodeInto(const unsigned char* data, unsigned long size, Target* target, char* reason,
                std::size_t reasonSize) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = Fail;
    err.pub.emit_message = OnMessage;
    err.pub.output_message = Silent;
    err.message[0] = '\0';

    if (setjmp(err.jump)) {
        std::snprintf(reason, reasonSize, "%s", err.message);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }

    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        cinfo.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_RGB:
    case JCS_YCbCr:
        cinfo.out_color_space = JCS_RGB;
        break;
    default:
        std::snprintf(reason, reasonSize, "unsupported JPEG colour space %d",
                      static_cast<int>(cinfo.jpeg_color_space));
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);

    const long long pixels =
        static_cast<long long>(cinfo.output_width) * static_cast<long long>(cinfo.output_height);
    unsigned char* row = nullptr;
    if (pixels <= MaxPixels)
        row = Allocate(target, static_cast<int>(cinfo.output_width),
                       static_cast<int>(cinfo.output_height), cinfo.output_components);
    if (!row) {
        std::snprintf(reason, reasonSize, "JPEG picture too large: %u x %u", cinfo.output_width,
                      cinfo.output_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    const int stride = BytesPerLine(target);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[1] = {row + static_cast<std::ptrdiff_t>(cinfo.output_scanline) * stride};
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) {
            // Only a suspending source stops early; ours holds all the data.
            std::snprintf(reason, reasonSize, "JPEG data ended early");
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes, QString* reason) {
    if (bytes.isEmpty()) {
        if (reason) *reason = QStringLiteral("no JPEG data");
        return {};
    }
    Target target;
    char message[JMSG_LENGTH_MAX + 64] = {};
    if (!DecodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()),
                    static_cast<unsigned long>(bytes.size()), &target, message, sizeof message)) {
        if (reason) *reason = QString::fromLocal8Bit(message);
        if (reason && reason->isEmpty()) *reason = QStringLiteral("undecodable JPEG data");
        return {};
    }
    if (reason) reason->clear();
    return target.image;
}
