#pragma once
// Global memory blocks as the clipboard and OLE media carry them: made from bytes, read back
// as bytes, and the media of IDataObject::GetData released by scope.

#include <windows.h>
#include <objidl.h>

#include <optional>

#include "dragdrop/ShellFileFormats.h"

namespace dragdrop {

// A zero-filled shareable moveable block holding the bytes (moveable, as the clipboard needs);
// null when memory is short.
HGLOBAL GlobalFromBytes(const TBytes& bytes);
// The whole block's bytes; nothing when it cannot be locked.
std::optional<TBytes> BytesOfGlobal(HGLOBAL memory);

// The bytes a data object renders for a format (DVASPECT_CONTENT, TYMED_HGLOBAL); nothing when
// it does not render them in global memory. The medium is released in every case.
std::optional<TBytes> GetGlobalData(IDataObject* data, CLIPFORMAT format);

}  // namespace dragdrop
