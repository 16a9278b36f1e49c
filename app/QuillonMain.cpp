// The program entry of Quillon: one copy per session; a second start brings the first forward.

#include <windows.h>
#include <commctrl.h>

#include "app/InstanceGuard.h"
#include "app/ProgramUnits.h"
#include "app/QuillonClasses.h"
#include "app/frmMainQuillon.h"
#include "classlib/win/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        // Made first and gone last: the application and its windows live inside the units' run.
        const quillon::TProgramUnits units;
        RegisterQuillonClasses();
        if (ActivatePreviousInstance(kInstanceMutexName, "TfrmMainQuillon", kMainWindowCaption)) return 0;
        cl::TApplication application;
        application.SetTitle(kApplicationTitle);
        application.CreateForm<TfrmMainQuillon>();
        application.Run();
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        return 1;
    }
    return 0;
}
