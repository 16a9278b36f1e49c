#include "utils/UtStartup.h"

#include "utils/UtFpuControl.h"
#include "utils/UtGraphUtils.h"
#include "utils/UtGraphics.h"
#include "utils/UtStrings.h"
#include "utils/UtSysInfo.h"

namespace ut {

void InitializeUtilities() {
    SetFpuControlWord(kAllExceptionsMaskedControlWord);
    InitializeStrings();
    InitializeSysInfo();
    InitializeGraphUtils(ProcessorInfoInUse().hasMmx);
    InitializeGraphics();
}

void FinalizeUtilities() {
    FinalizeGraphics();
    FinalizeGraphUtils();
    FinalizeSysInfo();
    FinalizeStrings();
}

}  // namespace ut
