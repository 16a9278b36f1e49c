#include "controls/basic/RetiredFrameProperties.h"

#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"

namespace mw {

bool ParseRetiredFrameProperty(const std::string& name, const cl::TValue& value, TRetiredFrameChange& change) {
    if (cl::SameText(name, "FrameFlat")) {
        if (value.kind != cl::TValue::Kind::Boolean) throw cl::EConvertError("FrameFlat expects True or False");
        change.hotTrack = value.boolean;
        if (value.boolean) {
            change.style = TFrameStyle::Status;
            change.hotStyle = TFrameStyle::Lowered;
        }
        return true;
    }
    if (cl::SameText(name, "FrameFocusStyle")) {
        int style = 0;
        if (value.kind != cl::TValue::Kind::Identifier || !kFrameStyleNames.Find(value.text, style))
            throw cl::EConvertError("FrameFocusStyle expects a frame style");
        change.hotStyle = static_cast<TFrameStyle>(style);
        return true;
    }
    return cl::SameText(name, "FrameFlatStyle");
}

}  // namespace mw
