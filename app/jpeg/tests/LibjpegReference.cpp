#include "LibjpegReference.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

std::vector<uint8_t> EncodeWithLibjpeg(const std::vector<uint8_t>& pixels, const TLibjpegSettings& s) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(s.width);
    cinfo.image_height = JDIMENSION(s.height);
    cinfo.input_components = s.channels;
    cinfo.in_color_space = s.channels == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, s.quality, s.forceBaseline ? TRUE : FALSE);
    cinfo.optimize_coding = s.optimizeCoding ? TRUE : FALSE;
    cinfo.restart_interval = unsigned(s.restartInterval);
    if (s.channels == 3) {
        cinfo.comp_info[0].h_samp_factor = s.lumaH;
        cinfo.comp_info[0].v_samp_factor = s.lumaV;
        cinfo.comp_info[1].h_samp_factor = cinfo.comp_info[1].v_samp_factor = 1;
        cinfo.comp_info[2].h_samp_factor = cinfo.comp_info[2].v_samp_factor = 1;
    }
    jpeg_scan_info scans[3];
    if (s.separateScans) {
        for (int i = 0; i < s.channels; ++i) {
            scans[i].comps_in_scan = 1;
            scans[i].component_index[0] = i;
            scans[i].Ss = 0;
            scans[i].Se = 63;
            scans[i].Ah = scans[i].Al = 0;
        }
        cinfo.scan_info = scans;
        cinfo.num_scans = s.channels;
    }
    if (s.progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&pixels[size_t(cinfo.next_scanline) * s.width * s.channels]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<uint8_t> file(buffer, buffer + size);
    std::free(buffer);
    return file;
}

TLibjpegImage DecodeWithLibjpeg(const std::vector<uint8_t>& jpeg) {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&cinfo);
    TLibjpegImage image;
    image.width = int(cinfo.output_width);
    image.height = int(cinfo.output_height);
    image.channels = cinfo.output_components;
    image.pixels.resize(size_t(image.width) * image.height * image.channels);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = &image.pixels[size_t(cinfo.output_scanline) * image.width * image.channels];
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return image;
}
