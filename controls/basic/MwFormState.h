#pragma once
// Makes a form reopen where and how the user left it: placed on a form, it steps in front of
// the form's create, show and close handlers and keeps the window placement in a settings
// store, under Section (or a name derived from the form).

#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/win/Form.h"

class TMwRegIniFile;

class TMwFormState : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwFormState(cl::TComponent* owner) : cl::TComponent(owner) {}
    ~TMwFormState() override;

    const std::string& Section() const { return section_; }
    void SetSection(const std::string& v) { section_ = v; }
    TMwRegIniFile* RegIniFile() const { return regIniFile_; }
    virtual void SetRegIniFile(TMwRegIniFile* store);

    // The section the placement is kept in: Section, else the form's name (or class name)
    // followed by "FormState", else "FormState" when the owner is no form.
    std::string SectionName() const;

    virtual void HookFormEvents();
    virtual void UnhookFormEvents();
    virtual void SaveState();
    virtual void RestoreState();

    cl::TNotifyEvent OnSaveState;
    cl::TNotifyEvent OnRestoreState;

protected:
    void Loaded() override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    cl::TCustomForm* OwnerForm() const;
    void FormCreate(cl::TObject* sender);
    void FormShow(cl::TObject* sender);
    void FormClose(cl::TObject* sender, cl::TCloseAction& action);
    void WritePlacement(cl::TCustomForm& form);

    std::string section_;
    TMwRegIniFile* regIniFile_ = nullptr;
    bool hooked_ = false;
    cl::TNotifyEvent previousCreate_;
    cl::TNotifyEvent previousShow_;
    cl::TCloseEvent previousClose_;
};
