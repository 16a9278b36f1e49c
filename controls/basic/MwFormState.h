#pragma once
// Makes a form reopen where and how the user left it, through a settings store.
//
// This class offers what the program uses so far: its published properties; saving and
// restoring the placement come later.

#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"

class TMwRegIniFile;

class TMwFormState : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwFormState(cl::TComponent* owner) : cl::TComponent(owner) {}

    const std::string& Section() const { return section_; }
    void SetSection(const std::string& v) { section_ = v; }
    TMwRegIniFile* RegIniFile() const { return regIniFile_; }
    void SetRegIniFile(TMwRegIniFile* store);

    cl::TNotifyEvent OnSaveState;
    cl::TNotifyEvent OnRestoreState;

protected:
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    std::string section_;
    TMwRegIniFile* regIniFile_ = nullptr;
};
