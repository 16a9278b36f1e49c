#pragma once
// What the log reader shows while it reads: its messages, the start-up progress bar and the
// product title in the main window's caption.

#include "uninstaller/log/LogHost.h"

struct ProgramLogUi : LogUi {
    void ShowMessage(int textId, int captionId) override;
    void ShowProgress(std::uint64_t position, std::uint64_t fileSize) override;
    void SetProductTitle(const char* title) override;
};
