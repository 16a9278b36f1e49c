#pragma once
// Making the shell refresh what it caches of drives, unless that is suspended.

namespace mw {

// Asks the computer folder (the one that lists the drives) to validate its items; a failure to
// reach it raises EMwOleError. Does nothing while suspended.
void ValidateDrives();
// Nest: each SuspendValidate is balanced by one ResumeValidate; an unbalanced resume does
// nothing.
void SuspendValidate();
void ResumeValidate();

// Suspends validating for one scope.
class TSuspendValidate {
public:
    TSuspendValidate() { SuspendValidate(); }
    ~TSuspendValidate() { ResumeValidate(); }
    TSuspendValidate(const TSuspendValidate&) = delete;
    TSuspendValidate& operator=(const TSuspendValidate&) = delete;
};

}  // namespace mw
