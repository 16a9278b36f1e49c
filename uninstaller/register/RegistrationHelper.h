#pragma once
// The registration helper's command line and exit codes, shared with the uninstaller that runs
// it: `"helper" /r "library"` calls DllRegisterServer, `/u` DllUnregisterServer.

// Resource id of the helper (type 300) in the uninstaller.
const unsigned kRegistrationHelperId = 30203;

// The entry point was not called: OLE did not start, the library did not load or lacks it.
// Otherwise the exit code is the entry point's result, or, when the library crashed, the
// exception's code (0xC0000000 and above).
const unsigned long kRegistrationNotCalled = 0x20000001;

inline bool IsCrashCode(unsigned long code)
{
    return (code & 0xF0000000UL) == 0xC0000000UL;
}
