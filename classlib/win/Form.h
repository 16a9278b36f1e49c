#pragma once
// Forms: top-level windows built from a text form resource compiled into the program (an
// RCDATA resource named after the form's class). The window class is named after the form
// class, so other programs can find the window by it.

#include <windows.h>

#include <string>

#include "classlib/win/Control.h"

namespace cl {

enum class TFormBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TPosition { Designed, Default, DefaultPosOnly, DefaultSizeOnly, ScreenCenter, DesktopCenter, MainFormCenter, OwnerFormCenter };
enum class TWindowState { Normal, Minimized, Maximized };
enum class TCloseAction { None, Hide, Free, Minimize };

using TModalResult = int;
enum : TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7, mrAll = 8 };

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

class TCustomForm : public TControl {
    CL_CLASS_INFO()
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Reads the form resource named after the form's class, then runs OnCreate. CreateForm
    // does both; a form made without a resource only runs OnCreate.
    void ReadFormResource();
    void DoCreate();

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Modal() const { return modal_; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool preview) { keyPreview_ = preview; }
    // The screen's pixels per inch the form resource was designed at; after reading, a Scaled
    // form is scaled from them to the screen's and takes the screen's value.
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool scaled) { scaled_ = scaled; }

    void SetVisible(bool visible) override;
    void SetClientWidth(int width) override;
    void SetClientHeight(int height) override;
    TRect ClientRect() override;

    // Shows the form and handles messages until ModalResult is set; returns it.
    TModalResult ShowModal();
    // Asks OnCloseQuery and OnClose, then hides the form (the main form ends the program).
    void Close();
    // Frees the form once the messages in the queue are handled.
    void Release();

    // Runs the update handlers of every action of the form's action lists.
    void UpdateActions();
    // Executes the action or menu item whose shortcut the key message is; true when one ran.
    bool IsShortCut(const MSG& message);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    void BeforeDestruction() override;
    // Scales a Scaled form and the controls read with it to the screen's pixels per inch.
    void ResourceRead() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    // A form scales its client size, not its place on the screen.
    void ChangeScale(int m, int d) override;

    // The widths of the frame round the client area (left, top, right, bottom) of a form
    // with that border style and those border icons.
    static TRect FrameExtraOf(TFormBorderStyle borderStyle, unsigned borderIcons);

private:
    static DWORD WindowStyleFor(TFormBorderStyle borderStyle, unsigned borderIcons);
    static DWORD WindowExStyleFor(TFormBorderStyle borderStyle);
    DWORD WindowStyle() const;
    DWORD WindowExStyle() const;
    void ApplyPosition();
    static void ScaleReadControls(TControl& control, int m, int d);
    TRect FrameExtra() const;
    bool ClickButton(bool defaultButton);

    TFormBorderStyle borderStyle_ = TFormBorderStyle::Sizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::Designed;
    TWindowState windowState_ = TWindowState::Normal;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool keyPreview_ = false;
    int pixelsPerInch_;
    bool scaled_ = true;
    bool positioned_ = false;
    bool destroyDone_ = false;
};

// A form class of the program derives from TForm.
class TForm : public TCustomForm {
    CL_CLASS_INFO()
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// Makes a form: constructs it, reads its form resource and runs OnCreate.
template <class T>
T* CreateForm(TComponent* owner) {
    T* form = new T(owner);
    try {
        form->ReadFormResource();
        form->DoCreate();
    } catch (...) {
        Free(form);
        throw;
    }
    return form;
}

// The text of an RCDATA resource of this program, or an empty string when there is none.
std::string LoadTextResource(const std::string& name);

}  // namespace cl
