#pragma once
// A component that holds one set of frame and colour settings and pushes them to every framed
// control registered with it, so that a form's edits, combo boxes, panels, tree and list views
// and status panes look alike and change together. Controls that implement IMwFrameNotify read
// the settings themselves; any other control gets the properties it publishes set by name.

#include <string>
#include <vector>

#include "classlib/core/Colors.h"
#include "classlib/core/Component.h"
#include "controls/foundation/FrameModel.h"

class TMwRegIniFile;

// Which setting changed; each setter pushes its own code, fcAll pushes everything.
enum TMwFrameChange {
    fcAll = 0,
    fcColor = 1,
    fcFocusColor = 2,
    fcDisabledColor = 3,
    fcParentColor = 4,
    fcFlatButtonColor = 5,
    fcFlatButtons = 6,
    fcFrameColor = 7,
    fcFrameHotColor = 8,
    fcFrameHotTrack = 9,
    fcFrameHotStyle = 10,
    fcFrameSides = 11,
    fcFrameStyle = 12,
    fcFrameVisible = 13,
    fcFramingPreference = 14,
};

class TMwFrameController : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwFrameController(cl::TComponent* owner);
    ~TMwFrameController() override;

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    cl::TColor Color() const { return color_; }
    // A focus colour that equalled the old colour follows the new one; ParentColor goes off.
    virtual void SetColor(cl::TColor v);
    bool ParentColor() const { return parentColor_; }
    virtual void SetParentColor(bool v);
    cl::TColor DisabledColor() const { return disabledColor_; }
    virtual void SetDisabledColor(cl::TColor v) { Change(disabledColor_, v, fcDisabledColor); }
    cl::TColor FlatButtonColor() const { return flatButtonColor_; }
    virtual void SetFlatButtonColor(cl::TColor v) { Change(flatButtonColor_, v, fcFlatButtonColor); }
    bool FlatButtons() const { return flatButtons_; }
    virtual void SetFlatButtons(bool v) { Change(flatButtons_, v, fcFlatButtons); }
    cl::TColor FocusColor() const { return focusColor_; }
    virtual void SetFocusColor(cl::TColor v) { Change(focusColor_, v, fcFocusColor); }
    cl::TColor FrameColor() const { return frameColor_; }
    virtual void SetFrameColor(cl::TColor v) { Change(frameColor_, v, fcFrameColor); }
    cl::TColor FrameHotColor() const { return frameHotColor_; }
    virtual void SetFrameHotColor(cl::TColor v) { Change(frameHotColor_, v, fcFrameHotColor); }
    TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
    virtual void SetFrameHotStyle(TFrameStyle v) { Change(frameHotStyle_, v, fcFrameHotStyle); }
    bool FrameHotTrack() const { return frameHotTrack_; }
    // Turning hot tracking on also makes the frame visible and, outside loading, puts it on
    // all four sides.
    virtual void SetFrameHotTrack(bool v);
    TSides FrameSides() const { return frameSides_; }
    virtual void SetFrameSides(TSides v) { Change(frameSides_, v & sdAll, fcFrameSides); }
    TFrameStyle FrameStyle() const { return frameStyle_; }
    virtual void SetFrameStyle(TFrameStyle v) { Change(frameStyle_, v, fcFrameStyle); }
    bool FrameVisible() const { return frameVisible_; }
    virtual void SetFrameVisible(bool v) { Change(frameVisible_, v, fcFrameVisible); }
    TFramingPreference FramingPreference() const { return framingPreference_; }
    virtual void SetFramingPreference(TFramingPreference v) { Change(framingPreference_, v, fcFramingPreference); }
    TMwRegIniFile* RegIniFile() const { return regIniFile_; }
    virtual void SetRegIniFile(TMwRegIniFile* store);

    // Adds the control (once) and pushes every setting to it at once.
    void RegisterControl(cl::TComponent* control);
    void UnregisterControl(cl::TComponent* control);
    int ControlCount() const { return static_cast<int>(controls_.size()); }

    // Setters push nothing between these two; the last ResumePush pushes everything.
    void SuspendPush() { ++suspendCount_; }
    void ResumePush();

    // Every setting of another controller except RegIniFile, pushed once.
    void Assign(const TMwFrameController& source);

    void Loaded() override;
    // The retired "FrameFlat", "FrameFocusStyle" and "FrameFlatStyle" of older form resources.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

protected:
    virtual void PushToControls(int change);
    // A control that implements IMwFrameNotify updates itself; any other one gets the
    // settings of the change set by name where it publishes them. Non-controls are left alone.
    virtual void UpdateControlFrame(cl::TComponent* component, int change);
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    template <class T>
    void Change(T& field, const T& value, TMwFrameChange change) {
        if (field == value) return;
        field = value;
        PushToControls(change);
    }

    cl::TColor color_ = cl::clWindow;
    cl::TColor disabledColor_ = cl::clBtnFace;
    cl::TColor flatButtonColor_ = cl::clBtnFace;
    bool flatButtons_ = true;
    cl::TColor focusColor_ = cl::clWindow;
    cl::TColor frameColor_ = cl::clBtnShadow;
    cl::TColor frameHotColor_ = cl::clBtnShadow;
    TFrameStyle frameHotStyle_ = TFrameStyle::FlatBold;
    bool frameHotTrack_ = false;
    TSides frameSides_ = sdAll;
    TFrameStyle frameStyle_ = TFrameStyle::Flat;
    bool frameVisible_ = false;
    TFramingPreference framingPreference_ = TFramingPreference::XPThemes;
    bool parentColor_ = false;
    TMwRegIniFile* regIniFile_ = nullptr;

    int suspendCount_ = 0;
    std::vector<cl::TComponent*> controls_;
};
