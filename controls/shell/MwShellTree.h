#pragma once
// The shell tree as forms use it: every behaviour is TMwCustomShellTree's; this class is the
// one forms create by name.

#include "controls/shell/MwCustomShellTree.h"

class TMwShellTree : public TMwCustomShellTree {
    CL_CLASS_INFO()
public:
    explicit TMwShellTree(cl::TComponent* owner) : TMwCustomShellTree(owner) {}
};
