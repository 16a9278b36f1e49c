#include "app/jpeg/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace quillon {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back into
// DecodeInto, whose frame holds nothing that needs destroying.
struct TJpegErrorManager {
    jpeg_error_mgr Manager;
    std::jmp_buf Return;
    char Message[JMSG_LENGTH_MAX];
};

void JumpBackWithMessage(j_common_ptr info) {
    auto* errors = reinterpret_cast<TJpegErrorManager*>(info->err);
    errors->Manager.format_message(info, errors->Message);
    std::longjmp(errors->Return, 1);
}

// Warnings (corrupt but readable data) are not fatal; libjpeg carries on with what it can decode.
void IgnoreMessage(j_common_ptr, int) {}

// Returns false with errors.Message set when libjpeg gives up. The pixel vector belongs to the
// caller, so a jump out of libjpeg leaves no object of this frame undestroyed.
bool DecodeInto(const uint8_t* data, size_t size, TJpegImage& image, TJpegErrorManager& errors) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = JumpBackWithMessage;
    errors.Manager.emit_message = IgnoreMessage;
    if (setjmp(errors.Return)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = info.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    if (size_t(info.output_width) * info.output_height > MaxJpegPixels) {
        std::snprintf(errors.Message, sizeof errors.Message, "Picture of %u x %u pixels is too large",
                      unsigned(info.output_width), unsigned(info.output_height));
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    image.Width = int(info.output_width);
    image.Height = int(info.output_height);
    image.Channels = info.output_components;
    const size_t stride = size_t(image.Width) * image.Channels;
    image.Pixels.assign(stride * image.Height, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &image.Pixels[stride * info.output_scanline];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

TJpegImage DecodeJpeg(const uint8_t* data, size_t size) {
    if (size == 0) throw EJpegError("Not a JPEG file: it is empty");
    TJpegImage image;
    TJpegErrorManager errors{};
    if (!DecodeInto(data, size, image, errors)) throw EJpegError(errors.Message);
    return image;
}

}  // namespace quillon
