#pragma once
// What the engine shows and asks in the program: the wizard's progress view, the shared-file
// question (dialog 104) and message boxes through the program's prompts, so that silent runs
// and tests ask nobody.

#include "uninstaller/app/EngineHost.h"

class ProgramEngineUi : public EngineUi {
public:
    void EnterProgressView() override;
    void SetProgress(unsigned done, unsigned total) override;
    void ShowProgressItem(unsigned labelId, const char* item, ProgressItemKind kind) override;
    void ClearProgressText() override;
    void ServeWindows() override;
    void Wait(unsigned milliseconds) override;
    bool Cancelled() override;
    void LoadText(unsigned id, char* out, std::size_t size) override;
    SharedFileChoice AskRemoveSharedFile(const char* message) override;
    ServerAnswer AskToStopDatabaseServer() override;
};
