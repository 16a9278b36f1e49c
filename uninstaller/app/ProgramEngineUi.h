#pragma once
// What the engine shows and asks in the program: the wizard's progress view, the shared-file
// question (dialog 104) and message boxes through the program's prompts, so that silent runs
// and tests ask nobody.
//
// Items pass faster than anyone can read them, and putting each one's text up costs more than
// removing a file: a text goes up when the last one has been up for a moment, and one that
// comes sooner waits as the next to show (a later one takes its place). The waiting text goes
// up at the next call once the moment has passed, and before any question or wait.

#include <string>

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

private:
    // Puts the waiting text up when its time has come (or now, with force); true when it did.
    bool ShowWaitingText(bool force);

    bool waiting_ = false;
    unsigned waitingLabel_ = 0;
    std::string waitingItem_;
    ProgressItemKind waitingKind_ = kProgressPath;
    bool shownOnce_ = false;
    unsigned long lastShown_ = 0;
};
