// The units of the program, started in their order and finished again.

#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include "app/ProgramUnits.h"
#include "controls/shell/MwShellUtils.h"
#include "utils/UtBlendMmx.h"
#include "utils/UtBlendPlain.h"
#include "utils/UtGraphUtils.h"
#include "utils/UtSysInfo.h"

namespace {

// S_FALSE while something on this thread holds COM, S_OK once nothing does.
HRESULT ComStateOfThisThread() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result)) CoUninitialize();
    return result;
}

TEST(ProgramUnits, StartEveryUnitAndFinishThemAgain) {
    ASSERT_EQ(ComStateOfThisThread(), S_OK);
    {
        const quillon::TProgramUnits units;
        EXPECT_EQ(quillon::UnitState(), quillon::kUnitStateWindowsNT | quillon::kUnitStateShellOverlays);
        EXPECT_EQ(ComStateOfThisThread(), S_FALSE);
        const ut::BlendRoutines* chosen =
            ut::ProcessorInfoInUse().hasMmx && ut::MmxBlendRoutines() ? ut::MmxBlendRoutines() : &ut::PlainBlendRoutines();
        EXPECT_EQ(&ut::BlendRoutinesInUse(), chosen);
    }
    // COM and OLE are let go, the blend table freed.
    EXPECT_EQ(ComStateOfThisThread(), S_OK);
    EXPECT_EQ(&ut::BlendRoutinesInUse(), &ut::PlainBlendRoutines());
}

}  // namespace
