#include "controls/basic/GroupItemInput.h"

#include "controls/basic/MwCustomButtonGroup.h"

namespace mw {

bool TGroupItemInput::Filter(cl::TControl& item, cl::TMessage& m) {
    const bool changesItem = m.msg == WM_LBUTTONUP || ((m.msg == WM_CHAR) && (m.wParam == VK_BACK || m.wParam == ' ')) ||
                             ((m.msg == WM_KEYDOWN || m.msg == WM_KEYUP) && m.wParam == VK_SPACE);
    if (m.msg == WM_LBUTTONUP && inMouseUp_) {
        m.result = 0;
        return true;
    }
    if (!changesItem || group_.CanModify()) return false;
    if (m.msg == WM_LBUTTONUP && GetCapture() == item.Handle()) ReleaseCapture();
    m.result = 0;
    return true;
}

void TGroupItemInput::PassOnToGroup(const cl::TMessage& m) {
    if (m.msg == WM_CHAR) {
        char key = static_cast<char>(m.wParam);
        group_.OnKeyPress(&group_, key);
    } else if (m.msg == WM_KEYDOWN) {
        WORD key = static_cast<WORD>(m.wParam);
        group_.OnKeyDown(&group_, key, cl::KeyboardShiftState());
    }
}

}  // namespace mw
