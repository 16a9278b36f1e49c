#pragma once
// The clipboard, open for one scope (with the application window as its owner when there is
// one). The first block put empties it, so a put that never happens leaves it as it was.

#include <windows.h>

#include <optional>

#include "dragdrop/ShellFileFormats.h"

namespace dragdrop {

class TOpenClipboard {
public:
    TOpenClipboard();
    ~TOpenClipboard();
    TOpenClipboard(const TOpenClipboard&) = delete;
    TOpenClipboard& operator=(const TOpenClipboard&) = delete;

    // False when another program holds the clipboard.
    bool IsOpen() const { return open_; }

    // Hands a block to the clipboard, which owns it from then on; a refused block is freed.
    bool Put(UINT format, HGLOBAL memory);
    // The bytes of a format in global memory; nothing when the clipboard has no such block.
    std::optional<TBytes> Get(UINT format) const;

private:
    bool open_ = false;
    bool emptied_ = false;
};

}  // namespace dragdrop
