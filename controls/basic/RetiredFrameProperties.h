#pragma once
// The frame properties that older form resources may still carry: "FrameFlat" (True is today's
// hot tracking with a status frame that sinks when hot), "FrameFocusStyle" (today's
// FrameHotStyle) and "FrameFlatStyle" (no longer has a meaning). They are read, never written.

#include <optional>
#include <string>

#include "classlib/core/Value.h"
#include "controls/foundation/FrameModel.h"

namespace mw {

// What a retired property sets; members left empty keep their value.
struct TRetiredFrameChange {
    std::optional<bool> hotTrack;
    std::optional<TFrameStyle> style;
    std::optional<TFrameStyle> hotStyle;
};

// False when name is none of the retired properties. A value of the wrong kind or an unknown
// frame style raises EConvertError.
bool ParseRetiredFrameProperty(const std::string& name, const cl::TValue& value, TRetiredFrameChange& change);

// Reads a retired property into a framed control or component with the usual frame setters.
template <class Framed>
bool ReadRetiredFrameProperty(Framed& framed, const std::string& name, const cl::TValue& value) {
    TRetiredFrameChange change;
    if (!ParseRetiredFrameProperty(name, value, change)) return false;
    if (change.hotTrack) framed.SetFrameHotTrack(*change.hotTrack);
    if (change.style) framed.SetFrameStyle(*change.style);
    if (change.hotStyle) framed.SetFrameHotStyle(*change.hotStyle);
    return true;
}

}  // namespace mw
