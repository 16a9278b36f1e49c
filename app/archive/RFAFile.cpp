#include "app/archive/RFAFile.h"

namespace quillon {

std::string_view EntryFileName(std::string_view entryName) {
    const size_t slash = entryName.rfind('/');
    return slash == std::string_view::npos ? entryName : entryName.substr(slash + 1);
}

TRFAFile MakeRFAFile(std::string_view entryName, uint32_t archiveSize, uint32_t directoryOffset,
                     uint32_t dataOffset, uint32_t index, uint32_t size) {
    TRFAFile file;
    file.FileName = std::string(EntryFileName(entryName));
    file.Index = index;
    file.ArchiveSize = archiveSize;
    file.Size = size;
    file.DataOffset = dataOffset;
    file.DirectoryOffset = directoryOffset;
    return file;
}

}  // namespace quillon
