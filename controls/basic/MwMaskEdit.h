#pragma once
// The framed edit with an input mask: typed characters fill the mask's slots in overwrite
// mode, skipping its literals, and a character that does not fit its slot is refused with a
// beep. Leaving a changed, incomplete text raises the validation error, which OnValidateError
// may replace by a message of its own.

#include <string>

#include "classlib/core/Event.h"
#include "controls/basic/EditMask.h"
#include "controls/basic/MwEdit.h"

// (Sender, Message): a message set by the handler replaces the standard one.
using TMwValidateErrorEvent = cl::TEvent<cl::TObject*, std::string&>;

class TMwMaskEdit : public TMwCustomEdit {
    CL_CLASS_INFO()
public:
    static constexpr const char* kInvalidInput = "Invalid input value.  Use escape key to abandon changes";

    explicit TMwMaskEdit(cl::TComponent* owner) : TMwCustomEdit(owner) {}

    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& v);
    // The text as shown, literals and blanks included.
    std::string GetDisplayText() override { return Text(); }
    // The text without blanks, and without literals when the mask does not save them.
    std::string MaskedValue();
    // Raises the validation error when the text does not fill the mask.
    void ValidateEdit();

    TMwValidateErrorEvent OnValidateError;

protected:
    void InitializeWnd() override;
    void WndProc(cl::TMessage& message) override;

private:
    bool TypeCharacter(char c);
    void Erase(bool backwards);
    int Caret();
    void SetCaret(size_t pos);

    std::string editMask_;
    mw::TEditMask mask_;
};
