#include "controls/shell/MwShellIntf.h"

namespace mw {

namespace {
bool comInitialized = false;  // only a successful CoInitialize is balanced
}

void InitializeShellIntf() { comInitialized = SUCCEEDED(CoInitialize(nullptr)); }

void FinalizeShellIntf() {
    if (comInitialized) CoUninitialize();
    comInitialized = false;
}

}  // namespace mw
