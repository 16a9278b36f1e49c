#pragma once
// A single-line edit over the standard edit class.

#include "classlib/win/Control.h"

namespace cl {

class TEdit : public TControl {
    CL_CLASS_INFO()
public:
    explicit TEdit(TComponent* owner);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    void SelectAll();

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool CommandNotification(WORD code) override;

private:
    bool readOnly_ = false;
    int maxLength_ = 0;
};

}  // namespace cl
