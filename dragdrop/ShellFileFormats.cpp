#include "dragdrop/ShellFileFormats.h"

namespace dragdrop {

namespace {

void PutUInt32(TBytes& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t GetUInt32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t GetUInt16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

TBytes BuildDropFiles(const std::vector<std::string>& paths) {
    TBytes block;
    PutUInt32(block, kDropFilesHeaderSize);
    for (int field = 0; field < 4; ++field) PutUInt32(block, 0);  // pt.x, pt.y, fNC, fWide
    const TBytes names = BuildAnsiNameList(paths);
    block.insert(block.end(), names.begin(), names.end());
    return block;
}

std::optional<TDropFilesLayout> ReadDropFilesHeader(const uint8_t* data, size_t size) {
    if (size < kDropFilesHeaderSize) return std::nullopt;
    const uint32_t namesOffset = GetUInt32(data);
    if (namesOffset > size) return std::nullopt;
    return TDropFilesLayout{namesOffset, GetUInt32(data + 16) != 0};
}

TBytes BuildAnsiNameList(const std::vector<std::string>& names) {
    TBytes block;
    for (const std::string& name : names) {
        block.insert(block.end(), name.begin(), name.end());
        block.push_back(0);
    }
    block.push_back(0);
    return block;
}

TBytes BuildWideNameList(const std::vector<std::u16string>& names) {
    TBytes block;
    auto put = [&block](char16_t unit) {
        block.push_back(static_cast<uint8_t>(unit & 0xFF));
        block.push_back(static_cast<uint8_t>(unit >> 8));
    };
    for (const std::u16string& name : names) {
        for (char16_t unit : name) put(unit);
        put(0);
    }
    put(0);
    return block;
}

std::vector<std::string> ParseAnsiNameList(const uint8_t* data, size_t size) {
    std::vector<std::string> names;
    std::string name;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != 0) {
            name += static_cast<char>(data[i]);
            continue;
        }
        if (name.empty()) break;
        names.push_back(std::move(name));
        name.clear();
    }
    return names;
}

std::vector<std::u16string> ParseWideNameList(const uint8_t* data, size_t size) {
    std::vector<std::u16string> names;
    std::u16string name;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const char16_t unit = GetUInt16(data + i);
        if (unit != 0) {
            name += unit;
            continue;
        }
        if (name.empty()) break;
        names.push_back(std::move(name));
        name.clear();
    }
    return names;
}

size_t ItemIdListSize(const uint8_t* list, size_t available) {
    size_t offset = 0;
    while (offset + 2 <= available) {
        const uint16_t itemSize = GetUInt16(list + offset);
        if (itemSize == 0) return offset + 2;
        // An item holds at least its own size field.
        if (itemSize < 2) return 0;
        offset += itemSize;
    }
    return 0;
}

TBytes BuildIdListArray(const TBytes& folder, const std::vector<TBytes>& names) {
    TBytes block;
    PutUInt32(block, static_cast<uint32_t>(names.size()));
    uint32_t offset = static_cast<uint32_t>((names.size() + 2) * 4);
    PutUInt32(block, offset);
    offset += static_cast<uint32_t>(folder.size());
    for (const TBytes& name : names) {
        PutUInt32(block, offset);
        offset += static_cast<uint32_t>(name.size());
    }
    block.insert(block.end(), folder.begin(), folder.end());
    for (const TBytes& name : names) block.insert(block.end(), name.begin(), name.end());
    return block;
}

}  // namespace dragdrop
