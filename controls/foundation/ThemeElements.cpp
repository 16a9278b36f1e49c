#include "controls/foundation/ThemeElements.h"

#include <initializer_list>

namespace mw {

namespace {

const char* const kClassNames[kThemedElementCount] = {
    "button", "clock", "combobox", "edit", "explorerbar", "header", "listview", "menu", "page", "progress", "rebar",
    "scrollbar", "spin", "startpanel", "status", "tab", "taskband", "taskbar", "toolbar", "tooltip", "trackbar",
    "traynotify", "treeview", "window"};

// Parts are numbered from 1 in the order of their state counts; members from ordinal 2 run
// through the states of part 1, then of part 2, and so on.
TThemedElementDetails Details(TThemedElement element, std::initializer_list<int> statesPerPart, int ordinal) {
    int first = 2;
    int part = 1;
    for (const int states : statesPerPart) {
        if (ordinal >= first && ordinal < first + states) return {element, part, ordinal - first + 1};
        first += states;
        ++part;
    }
    // The don't-care and root members.
    return {element, 0, ordinal + 1};
}

}  // namespace

const char* ThemeClassName(TThemedElement element) { return kClassNames[static_cast<int>(element)]; }

TThemedElementDetails ThemeElementDetails(TThemedButton member) {
    return Details(TThemedElement::Button, {5, 8, 12, 2, 1}, static_cast<int>(member));
}

TThemedElementDetails ThemeElementDetails(TThemedComboBox member) {
    return Details(TThemedElement::ComboBox, {4}, static_cast<int>(member));
}

TThemedElementDetails ThemeElementDetails(TThemedExplorerBar member) {
    return Details(TThemedElement::ExplorerBar, {3, 3, 6, 3, 1, 3, 3, 1, 1, 3, 3, 1}, static_cast<int>(member));
}

TThemedElementDetails ThemeElementDetails(TThemedProgress member) {
    return Details(TThemedElement::Progress, {1, 1, 1, 1}, static_cast<int>(member));
}

TThemedElementDetails ThemeElementDetails(TThemedRebar member) {
    return Details(TThemedElement::Rebar, {1, 1, 6, 4, 4}, static_cast<int>(member));
}

TThemedElementDetails ThemeElementDetails(TThemedScrollBar member) {
    return Details(TThemedElement::ScrollBar, {16, 4, 4, 4, 4, 4, 4, 4, 4, 2}, static_cast<int>(member));
}

TThemedElementDetails ThemeElementDetails(TThemedSpin member) {
    return Details(TThemedElement::Spin, {4, 4, 4, 4}, static_cast<int>(member));
}

TThemedElementDetails ThemeElementDetails(TThemedStatus member) {
    return Details(TThemedElement::Status, {1, 1, 1}, static_cast<int>(member));
}

TThemedElementDetails ThemeElementDetails(TThemedToolBar member) {
    return Details(TThemedElement::ToolBar, {6, 6, 6, 6, 6, 6}, static_cast<int>(member));
}

TThemedElementDetails ThemeElementDetails(TThemedWindow member) {
    // Captions, frames, buttons and scroll parts, then the single-state templates.
    return Details(TThemedElement::Window,
                   {3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                   static_cast<int>(member));
}

}  // namespace mw
