#pragma once
// JPEG pictures in form resources (graphic class "TJPEGImage"), decoded by libjpeg into
// device-independent bitmaps.

#include <windows.h>

#include <cstdint>
#include <vector>

// Lets TPicture read "TJPEGImage" data.
void RegisterJpegPicture();

// A 24-bit top-down DIB section of the JPEG file; raises quillon::EJpegError for a damaged one.
HBITMAP JpegToBitmap(const std::vector<uint8_t>& jpeg);
