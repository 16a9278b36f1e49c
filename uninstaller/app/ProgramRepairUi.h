#pragma once
// What a repair shows and asks in the program: the wizard's progress view with the repair's
// heading, the newer-file question (dialog 104) and the source prompt (dialog 107), both of
// which answer by themselves in a silent run and have seams for tests.

#include "uninstaller/app/RepairHost.h"

class ProgramRepairUi : public RepairUi {
public:
    void EnterProgressView() override;
    void SetProgress(unsigned done, unsigned total) override;
    void ShowChecking(const char* path) override;
    void ServeMessages() override;
    bool Cancelled() override;
    void LoadText(unsigned id, char* out, std::size_t size) override;
    SharedFileChoice AskReplaceNewerFile(const char* message) override;
    bool AskSourcePath(const char* identity, char* path, std::size_t size) override;
};
