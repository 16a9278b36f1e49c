#include "controls/basic/MwFrameController.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Control.h"
#include "controls/basic/MwRegIniFile.h"
#include "controls/basic/RetiredFrameProperties.h"
#include "controls/foundation/MwFrameNotify.h"

using namespace mw;

namespace {

// A published property of framed controls that the controller sets by name, in the order a
// full push sets them.
struct TPushedProperty {
    TMwFrameChange change;
    const char* name;
    cl::PropKind kind;
};
const TPushedProperty kPushedProperties[] = {
    {fcParentColor, "ParentColor", cl::PropKind::Boolean},
    {fcColor, "Color", cl::PropKind::Color},
    {fcDisabledColor, "DisabledColor", cl::PropKind::Color},
    {fcFocusColor, "FocusColor", cl::PropKind::Color},
    {fcFlatButtonColor, "FlatButtonColor", cl::PropKind::Color},
    {fcFlatButtons, "FlatButtons", cl::PropKind::Boolean},
    {fcFrameColor, "FrameColor", cl::PropKind::Color},
    {fcFrameHotColor, "FrameHotColor", cl::PropKind::Color},
    {fcFrameHotTrack, "FrameHotTrack", cl::PropKind::Boolean},
    {fcFrameHotStyle, "FrameHotStyle", cl::PropKind::Enum},
    {fcFrameSides, "FrameSides", cl::PropKind::Set},
    {fcFrameStyle, "FrameStyle", cl::PropKind::Enum},
    {fcFrameVisible, "FrameVisible", cl::PropKind::Boolean},
    {fcFramingPreference, "FramingPreference", cl::PropKind::Enum},
};

// Push stays suspended for the guard's lifetime.
class TPushSuspension {
public:
    explicit TPushSuspension(TMwFrameController& controller) : controller_(controller) { controller_.SuspendPush(); }
    ~TPushSuspension() { controller_.ResumePush(); }
    TPushSuspension(const TPushSuspension&) = delete;
    TPushSuspension& operator=(const TPushSuspension&) = delete;

private:
    TMwFrameController& controller_;
};

}  // namespace

const cl::TClassInfo& TMwFrameController::StaticClass() {
    using F = TMwFrameController;
    static const auto info =
        cl::TClassBuilder<F>("TMwFrameController", cl::TComponent::StaticClass())
            .Creatable()
            .Enum<TMwAboutInfo>("About", &F::About, &F::SetAbout, kAboutInfoNames)
            .Color("Color", &F::Color, &F::SetColor)
            .Color("DisabledColor", &F::DisabledColor, &F::SetDisabledColor)
            .Color("FlatButtonColor", &F::FlatButtonColor, &F::SetFlatButtonColor)
            .Bool("FlatButtons", &F::FlatButtons, &F::SetFlatButtons)
            .Color("FocusColor", &F::FocusColor, &F::SetFocusColor)
            .Color("FrameColor", &F::FrameColor, &F::SetFrameColor)
            .Color("FrameHotColor", &F::FrameHotColor, &F::SetFrameHotColor)
            .Enum<TFrameStyle>("FrameHotStyle", &F::FrameHotStyle, &F::SetFrameHotStyle, kFrameStyleNames)
            .Bool("FrameHotTrack", &F::FrameHotTrack, &F::SetFrameHotTrack)
            .Set("FrameSides", &F::FrameSides, &F::SetFrameSides, kSideNames)
            .Enum<TFrameStyle>("FrameStyle", &F::FrameStyle, &F::SetFrameStyle, kFrameStyleNames)
            .Bool("FrameVisible", &F::FrameVisible, &F::SetFrameVisible)
            .Enum<TFramingPreference>("FramingPreference", &F::FramingPreference, &F::SetFramingPreference,
                                      kFramingPreferenceNames)
            .Bool("ParentColor", &F::ParentColor, &F::SetParentColor)
            .Ref<TMwRegIniFile>("RegIniFile", &F::RegIniFile, &F::SetRegIniFile)
            .Build();
    return *info;
}

TMwFrameController::TMwFrameController(cl::TComponent* owner) : cl::TComponent(owner) {}

TMwFrameController::~TMwFrameController() = default;

void TMwFrameController::SetColor(cl::TColor v) {
    if (v == color_) return;
    if (focusColor_ == color_) focusColor_ = v;
    color_ = v;
    parentColor_ = false;
    PushToControls(fcColor);
}

void TMwFrameController::SetParentColor(bool v) {
    if (v == parentColor_) return;
    parentColor_ = v;
    PushToControls(fcParentColor);
    if (!v) PushToControls(fcColor);
}

void TMwFrameController::SetFrameHotTrack(bool v) {
    if (v == frameHotTrack_) return;
    frameHotTrack_ = v;
    if (v) {
        frameVisible_ = true;
        if (!IsLoading()) frameSides_ = sdAll;
    }
    PushToControls(fcFrameHotTrack);
}

void TMwFrameController::SetRegIniFile(TMwRegIniFile* store) {
    regIniFile_ = store;
    if (store) FreeNotification(store);
}

void TMwFrameController::RegisterControl(cl::TComponent* control) {
    if (!control || std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return;
    controls_.push_back(control);
    // A control that dies without unregistering must not stay in the list.
    FreeNotification(control);
    UpdateControlFrame(control, fcAll);
}

void TMwFrameController::UnregisterControl(cl::TComponent* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TMwFrameController::ResumePush() {
    if (--suspendCount_ > 0) return;
    suspendCount_ = 0;
    PushToControls(fcAll);
}

void TMwFrameController::PushToControls(int change) {
    if (suspendCount_ > 0) return;
    // A control may unregister (or others register) while it takes the settings.
    const std::vector<cl::TComponent*> controls = controls_;
    for (cl::TComponent* control : controls)
        if (std::find(controls_.begin(), controls_.end(), control) != controls_.end()) UpdateControlFrame(control, change);
}

void TMwFrameController::UpdateControlFrame(cl::TComponent* component, int change) {
    auto* control = dynamic_cast<cl::TControl*>(component);
    if (!control) return;
    if (auto* framed = dynamic_cast<IMwFrameNotify*>(control)) {
        framed->UpdateFrameFromController();
        return;
    }
    for (const TPushedProperty& pushed : kPushedProperties) {
        if (change != fcAll && change != pushed.change) continue;
        if (change == fcAll && pushed.change == fcColor && parentColor_) continue;
        const cl::TPropertyInfo* property = control->ClassInfo().FindProperty(pushed.name);
        if (!property || property->kind != pushed.kind || !property->set) continue;
        cl::TValue value;
        switch (pushed.change) {
            case fcParentColor: value = cl::TValue::Bool(parentColor_); break;
            case fcColor: value = cl::TValue::Int(color_); break;
            case fcDisabledColor: value = cl::TValue::Int(disabledColor_); break;
            case fcFocusColor: value = cl::TValue::Int(focusColor_); break;
            case fcFlatButtonColor: value = cl::TValue::Int(flatButtonColor_); break;
            case fcFlatButtons: value = cl::TValue::Bool(flatButtons_); break;
            case fcFrameColor: value = cl::TValue::Int(frameColor_); break;
            case fcFrameHotColor: value = cl::TValue::Int(frameHotColor_); break;
            case fcFrameHotTrack: value = cl::TValue::Bool(frameHotTrack_); break;
            case fcFrameHotStyle: value = cl::TValue::Int(static_cast<int>(frameHotStyle_)); break;
            case fcFrameSides: value = cl::TValue::Int(frameSides_); break;
            case fcFrameStyle: value = cl::TValue::Int(static_cast<int>(frameStyle_)); break;
            case fcFrameVisible: value = cl::TValue::Bool(frameVisible_); break;
            case fcFramingPreference: value = cl::TValue::Int(static_cast<int>(framingPreference_)); break;
            case fcAll: break;
        }
        cl::AssignProperty(*control, *property, value);
    }
}

void TMwFrameController::Assign(const TMwFrameController& source) {
    if (&source == this) return;
    TPushSuspension suspension(*this);
    SetColor(source.color_);
    SetParentColor(source.parentColor_);
    SetDisabledColor(source.disabledColor_);
    SetFlatButtonColor(source.flatButtonColor_);
    SetFlatButtons(source.flatButtons_);
    SetFocusColor(source.focusColor_);
    SetFrameColor(source.frameColor_);
    SetFrameHotColor(source.frameHotColor_);
    SetFrameHotTrack(source.frameHotTrack_);
    SetFrameHotStyle(source.frameHotStyle_);
    SetFrameSides(source.frameSides_);
    SetFrameStyle(source.frameStyle_);
    SetFrameVisible(source.frameVisible_);
    SetFramingPreference(source.framingPreference_);
}

void TMwFrameController::Loaded() {
    cl::TComponent::Loaded();
    PushToControls(fcAll);
}

bool TMwFrameController::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    return ReadRetiredFrameProperty(*this, name, value) || cl::TComponent::ReadExtraProperty(name, value);
}

void TMwFrameController::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TComponent::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == regIniFile_) regIniFile_ = nullptr;
    UnregisterControl(component);
}
