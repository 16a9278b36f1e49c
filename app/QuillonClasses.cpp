#include "app/QuillonClasses.h"

#include <windows.h>
#include <commctrl.h>

#include "app/JpegPicture.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "dragdrop/RegisterDragDrop.h"

void RegisterQuillonClasses() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    cl::RegisterClassLibrary();
    RegisterQuillonControls();
    RegisterDragDropClasses();
    RegisterJpegPicture();
}
