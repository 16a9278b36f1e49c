#pragma once
// The main window tests' ways of handing it files as the shell does, and of leaving the open
// archive or the window.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/frmMainQuillon.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/FileDialogs.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/DropFileTarget.h"

// Drops disk paths onto the main window as the shell would.
inline void DropOnWindow(cl::TApplication& app, TfrmMainQuillon& form, const std::vector<std::string>& paths) {
    auto* source = new TDropFileSource(&app);
    source->Files()->Assign(paths);
    const cl::TPoint p = form.ClientToScreen({300, 200});
    DWORD effect = DROPEFFECT_COPY;
    ASSERT_EQ(form.DropFileTarget1->DragEnter(source, MK_LBUTTON, {p.x, p.y}, &effect), S_OK);
    effect = DROPEFFECT_COPY;
    ASSERT_EQ(form.DropFileTarget1->Drop(source, 0, {p.x, p.y}, &effect), S_OK);
}

// One way the open archive or the window goes; wentOn tells whether it did.
struct TLeavingPath {
    const char* name;
    std::function<void()> run;
    std::function<bool()> wentOn;
};

// New, Open RFA and a dropped archive (both for the archive `other`), and closing the window
// (`closed` is set by the window's close query).
inline std::vector<TLeavingPath> LeavingPaths(cl::TApplication& app, TfrmMainQuillon& form, const std::string& other,
                                              bool& closed) {
    auto opened = [&form, other] { return form.OpenDialog1->FileName() == other; };
    return {
        {"New", [&form] { form.actNewRFA->Execute(); }, [&form] { return form.Entries->Count() == 0; }},
        {"Open RFA",
         [&form, other] {
             cl::FileDialogHooks().execute = [other](cl::TOpenDialog& dialog) {
                 dialog.SetFileName(other);
                 return true;
             };
             form.actOpenRFAExecute(nullptr);
         },
         opened},
        {"a dropped archive", [&app, &form, other] { DropOnWindow(app, form, {other}); }, opened},
        {"closing the window",
         [&form, &closed] {
             closed = true;
             form.FormCloseQuery(&form, closed);
         },
         [&closed] { return closed; }},
    };
}
