#pragma once
// Byte streams: the abstract stream with its checked read and write, a file stream and a
// memory stream. Positions and sizes are 64-bit.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace cl {

enum class SeekOrigin { Beginning, Current, End };

class TStream {
public:
    virtual ~TStream() = default;

    // Reads or writes up to count bytes and returns how many were moved.
    virtual size_t Read(void* buffer, size_t count) = 0;
    virtual size_t Write(const void* buffer, size_t count) = 0;
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;

    // Exactly count bytes or EReadError "Stream read error" / EWriteError "Stream write error".
    void ReadBuffer(void* buffer, size_t count);
    void WriteBuffer(const void* buffer, size_t count);

    uint32_t ReadUInt32LE();
    void WriteUInt32LE(uint32_t value);

    int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(int64_t position) { Seek(position, SeekOrigin::Beginning); }
    virtual int64_t Size();

    // Copies count bytes from source (all of it from the start when count is 0).
    int64_t CopyFrom(TStream& source, int64_t count);
};

enum class FileMode {
    OpenRead,       // existing file, read only
    OpenReadWrite,  // existing file, read and write
    Create          // new or emptied file, read and write
};

class TFileStream : public TStream {
public:
    // EFOpenError "Cannot open file \"name\". reason" or EFCreateError "Cannot create file ...".
    TFileStream(const std::string& fileName, FileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    const std::string& FileName() const { return fileName_; }
    // Writes out what is buffered; EWriteError when that fails (a full disk, say). The
    // destructor cannot report such a failure, so writers call this before they finish.
    void Flush();

private:
    std::string fileName_;
    std::FILE* file_ = nullptr;
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

    const std::vector<uint8_t>& Bytes() const { return data_; }
    void Clear();
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

private:
    std::vector<uint8_t> data_;
    size_t position_ = 0;
};

}  // namespace cl
