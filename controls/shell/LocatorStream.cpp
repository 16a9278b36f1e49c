#include "controls/shell/LocatorStream.h"

#include "classlib/core/Exception.h"
#include "controls/shell/PidlLayout.h"

namespace mw {

void WriteLocatorRecord(cl::TStream& stream, const TLocatorRecord& record) {
    const uint8_t kind = static_cast<uint8_t>(record.kind);
    stream.WriteBuffer(&kind, 1);
    if (record.kind == TMwLocatorKind::lkSpecialFolder) {
        stream.WriteBuffer(&record.folderId, 1);
        return;
    }
    stream.WriteUInt32LE(static_cast<uint32_t>(record.pidl.size()));
    if (!record.pidl.empty()) stream.WriteBuffer(record.pidl.data(), record.pidl.size());
}

TLocatorRecord ReadLocatorRecord(cl::TStream& stream) {
    TLocatorRecord record;
    uint8_t kind = 0;
    stream.ReadBuffer(&kind, 1);
    if (kind != 0) {
        record.kind = TMwLocatorKind::lkSpecialFolder;
        stream.ReadBuffer(&record.folderId, 1);
        return record;
    }
    const uint32_t size = stream.ReadUInt32LE();
    if (size == 0) {
        record.kind = TMwLocatorKind::lkSpecialFolder;
        record.folderId = 0;
        return record;
    }
    if (size > stream.Size() - stream.Position()) throw cl::EReadError("Stream read error");
    record.pidl.resize(size);
    stream.ReadBuffer(record.pidl.data(), size);
    if (PidlSizeWithin(record.pidl.data(), size) != size) throw cl::EReadError("Invalid item-ID list");
    return record;
}

}  // namespace mw
