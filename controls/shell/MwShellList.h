#pragma once
// The shell list as forms place it: TMwCustomShellList with its properties published.

#include "controls/shell/MwCustomShellList.h"

class TMwShellList : public TMwCustomShellList {
    CL_CLASS_INFO()
public:
    explicit TMwShellList(cl::TComponent* owner) : TMwCustomShellList(owner) {}
};
