#include "classlib/core/Stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "classlib/core/Exception.h"

namespace cl {

namespace {

int64_t SeekFile(std::FILE* file, int64_t offset, int whence) {
#ifdef _WIN32
    if (_fseeki64(file, offset, whence) != 0) return -1;
    return _ftelli64(file);
#else
    if (fseeko(file, offset, whence) != 0) return -1;
    return ftello(file);
#endif
}

int ToWhence(SeekOrigin origin) {
    switch (origin) {
        case SeekOrigin::Beginning: return SEEK_SET;
        case SeekOrigin::Current: return SEEK_CUR;
        case SeekOrigin::End: return SEEK_END;
    }
    return SEEK_SET;
}

}  // namespace

void TStream::ReadBuffer(void* buffer, size_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, size_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

uint32_t TStream::ReadUInt32LE() {
    uint8_t bytes[4];
    ReadBuffer(bytes, 4);
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

void TStream::WriteUInt32LE(uint32_t value) {
    const uint8_t bytes[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
    WriteBuffer(bytes, 4);
}

int64_t TStream::Size() {
    const int64_t position = Position();
    const int64_t size = Seek(0, SeekOrigin::End);
    Seek(position, SeekOrigin::Beginning);
    return size;
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(count, 1 << 20)));
    int64_t left = count;
    while (left > 0) {
        const size_t chunk = static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(buffer.size())));
        source.ReadBuffer(buffer.data(), chunk);
        WriteBuffer(buffer.data(), chunk);
        left -= static_cast<int64_t>(chunk);
    }
    return count;
}

TFileStream::TFileStream(const std::string& fileName, FileMode mode) : fileName_(fileName) {
    const char* fopenMode = mode == FileMode::OpenRead ? "rb" : mode == FileMode::OpenReadWrite ? "r+b" : "w+b";
    file_ = std::fopen(fileName.c_str(), fopenMode);
    if (!file_) {
        const std::string reason = std::strerror(errno);
        if (mode == FileMode::Create) throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
    }
}

TFileStream::~TFileStream() {
    if (file_) std::fclose(file_);
}

void TFileStream::Flush() {
    if (std::fflush(file_) != 0) throw EWriteError("Stream write error in \"" + fileName_ + "\"");
}

size_t TFileStream::Read(void* buffer, size_t count) { return std::fread(buffer, 1, count, file_); }

size_t TFileStream::Write(const void* buffer, size_t count) { return std::fwrite(buffer, 1, count, file_); }

int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin) {
    const int64_t position = SeekFile(file_, offset, ToWhence(origin));
    if (position < 0) throw EStreamError("Stream seek error in \"" + fileName_ + "\"");
    return position;
}

size_t TMemoryStream::Read(void* buffer, size_t count) {
    if (position_ >= data_.size()) return 0;
    const size_t n = std::min(count, data_.size() - position_);
    std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

size_t TMemoryStream::Write(const void* buffer, size_t count) {
    if (count == 0) return 0;
    if (position_ + count > data_.size()) data_.resize(position_ + count);
    std::memcpy(data_.data() + position_, buffer, count);
    position_ += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
    int64_t base = 0;
    if (origin == SeekOrigin::Current) base = static_cast<int64_t>(position_);
    if (origin == SeekOrigin::End) base = static_cast<int64_t>(data_.size());
    const int64_t position = base + offset;
    if (position < 0) throw EStreamError("Stream seek error");
    position_ = static_cast<size_t>(position);
    return position;
}

void TMemoryStream::Clear() {
    data_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, FileMode::OpenRead);
    const int64_t size = file.Size();
    data_.assign(static_cast<size_t>(size), 0);
    file.ReadBuffer(data_.data(), data_.size());
    position_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
    TFileStream file(fileName, FileMode::Create);
    file.WriteBuffer(data_.data(), data_.size());
}

}  // namespace cl
