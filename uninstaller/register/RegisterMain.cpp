// The registration helper: calls one library's registering entry point and ends. It has no C
// runtime: the entry point is its own. A crash in the library ends the helper with the
// exception's code, without the system's error dialog or a debugger.

#include <windows.h>

#include "uninstaller/register/RegistrationHelper.h"

namespace {

typedef HRESULT(WINAPI* OleInitializeProc)(LPVOID reserved);
typedef void(WINAPI* OleUninitializeProc)();
typedef HRESULT(STDAPICALLTYPE* RegisterServerProc)();

LONG WINAPI EndOnException(EXCEPTION_POINTERS* exception)
{
    // The library may hold the loader's lock: nothing of it runs again on the way out.
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

char* SkipSpaces(char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// The rest of the line after the program's own name.
char* Arguments(char* line)
{
    if (*line == '"') {
        ++line;
        while (*line && *line != '"')
            ++line;
        if (*line)
            ++line;
    } else {
        while (*line && *line != ' ' && *line != '\t')
            ++line;
    }
    return SkipSpaces(line);
}

unsigned long Register(const char* library, bool registerIt)
{
    HMODULE ole = LoadLibraryA("OLE32.DLL");
    if (!ole)
        return kRegistrationNotCalled;
    auto initialize =
        reinterpret_cast<OleInitializeProc>(reinterpret_cast<void*>(GetProcAddress(ole, "OleInitialize")));
    auto uninitialize =
        reinterpret_cast<OleUninitializeProc>(reinterpret_cast<void*>(GetProcAddress(ole, "OleUninitialize")));
    unsigned long result = kRegistrationNotCalled;
    HRESULT initialized = initialize ? initialize(nullptr) : E_FAIL;
    if (initialized == S_OK) {
        if (HMODULE module = LoadLibraryExA(library, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) {
            auto entry = reinterpret_cast<RegisterServerProc>(reinterpret_cast<void*>(
                GetProcAddress(module, registerIt ? "DllRegisterServer" : "DllUnregisterServer")));
            if (entry)
                result = static_cast<unsigned long>(entry());
            FreeLibrary(module);
        }
    }
    if (SUCCEEDED(initialized) && uninitialize)
        uninitialize();
    FreeLibrary(ole);
    return result;
}

}  // namespace

extern "C" void RegisterEntry()
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(EndOnException);
    char* arguments = Arguments(GetCommandLineA());
    bool registerIt = arguments[0] == '/' && (arguments[1] == 'r' || arguments[1] == 'R');
    bool unregister = arguments[0] == '/' && (arguments[1] == 'u' || arguments[1] == 'U');
    if (!registerIt && !unregister)
        ExitProcess(kRegistrationNotCalled);
    char* library = SkipSpaces(arguments + 2);
    if (*library == '"') {
        char* end = ++library;
        while (*end && *end != '"')
            ++end;
        *end = '\0';
    }
    ExitProcess(static_cast<UINT>(Register(library, registerIt)));
}
