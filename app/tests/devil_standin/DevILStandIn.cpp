// TEST STAND-IN for DevIL.DLL, for the preview tests only: it is never shipped. It offers
// the four calls the preview makes, with DevIL's names and calling convention, and reads
// nothing but uncompressed 24-bit TGA files. Saving writes a 24-bit bitmap and, as DevIL
// does by default, refuses to overwrite a file.

#include <windows.h>

namespace {

struct Image {
    BYTE* pixels = nullptr;  // rows from the bottom, blue-green-red
    int width = 0;
    int height = 0;
};
Image image;

void FreeImage() {
    if (image.pixels) HeapFree(GetProcessHeap(), 0, image.pixels);
    image = Image();
}

BYTE* ReadWholeFile(const char* path, DWORD& size) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    size = GetFileSize(file, nullptr);
    BYTE* bytes = static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), 0, size + 1));
    DWORD read = 0;
    if (bytes && (!ReadFile(file, bytes, size, &read, nullptr) || read != size)) {
        HeapFree(GetProcessHeap(), 0, bytes);
        bytes = nullptr;
    }
    CloseHandle(file);
    return bytes;
}

}  // namespace

extern "C" {

__declspec(dllexport) void __stdcall ilInit() { FreeImage(); }

__declspec(dllexport) unsigned char __stdcall ilLoadImage(const char* fileName) {
    FreeImage();
    DWORD size = 0;
    BYTE* bytes = ReadWholeFile(fileName, size);
    if (!bytes) return 0;
    unsigned char loaded = 0;
    if (size >= 18 && bytes[1] == 0 && bytes[2] == 2 && bytes[16] == 24) {
        const int width = bytes[12] | bytes[13] << 8;
        const int height = bytes[14] | bytes[15] << 8;
        const bool topDown = (bytes[17] & 0x20) != 0;
        const DWORD start = 18 + bytes[0];
        const DWORD rowSize = DWORD(width) * 3;
        if (width > 0 && height > 0 && start + rowSize * height <= size) {
            image.pixels = static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), 0, rowSize * height));
            image.width = width;
            image.height = height;
            for (int row = 0; row < height; ++row)
                CopyMemory(image.pixels + rowSize * row, bytes + start + rowSize * (topDown ? height - 1 - row : row), rowSize);
            loaded = 1;
        }
    }
    HeapFree(GetProcessHeap(), 0, bytes);
    return loaded;
}

__declspec(dllexport) unsigned char __stdcall ilConvertImage(unsigned destFormat, unsigned destType) {
    return image.pixels && destFormat == 0x80E0 && destType == 0x1401;  // IL_BGR, IL_UNSIGNED_BYTE
}

__declspec(dllexport) unsigned char __stdcall ilSaveImage(const char* fileName) {
    if (!image.pixels) return 0;
    HANDLE file = CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    const DWORD rowSize = DWORD(image.width) * 3;
    const DWORD stride = (rowSize + 3) & ~3u;
    BITMAPFILEHEADER fileHeader = {};
    BITMAPINFOHEADER info = {};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof(fileHeader) + sizeof(info);
    fileHeader.bfSize = fileHeader.bfOffBits + stride * image.height;
    info.biSize = sizeof(info);
    info.biWidth = image.width;
    info.biHeight = image.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    DWORD written = 0;
    bool ok = WriteFile(file, &fileHeader, sizeof(fileHeader), &written, nullptr) && WriteFile(file, &info, sizeof(info), &written, nullptr);
    const BYTE padding[3] = {};
    for (int row = 0; ok && row < image.height; ++row)
        ok = WriteFile(file, image.pixels + rowSize * row, rowSize, &written, nullptr) &&
             WriteFile(file, padding, stride - rowSize, &written, nullptr);
    CloseHandle(file);
    return ok;
}

}  // extern "C"
