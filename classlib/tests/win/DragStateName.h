#pragma once
// How drag-and-dock tests write a drag state in the events they note.

#include "classlib/win/Control.h"

namespace test {

inline const char* DragStateName(cl::TDragState state) {
    switch (state) {
        case cl::TDragState::DragEnter: return "enter";
        case cl::TDragState::DragLeave: return "leave";
        case cl::TDragState::DragMove: return "move";
    }
    return "?";
}

}  // namespace test
