#include "testing/StackOverflowExit.h"

#include <windows.h>

#include <cstdio>

namespace {

void Write(const char* text, int length) {
    DWORD written = 0;
    if (length > 0) WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(length), &written, nullptr);
}

// "  program.exe+0x1234" for a code address.
void WriteAddress(const void* address) {
    char line[MAX_PATH + 40];
    HMODULE module = nullptr;
    char path[MAX_PATH] = "";
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(address), &module) ||
        !GetModuleFileNameA(module, path, sizeof path)) {
        Write(line, std::snprintf(line, sizeof line, "  %p\n", address));
        return;
    }
    const char* name = path;
    for (const char* c = path; *c; ++c)
        if (*c == '\\' || *c == '/') name = c + 1;
    const auto offset = static_cast<unsigned long long>(static_cast<const char*>(address) - reinterpret_cast<const char*>(module));
    Write(line, std::snprintf(line, sizeof line, "  %s+0x%llx\n", name, offset));
}

// Runs first, on what is left of the stack: only small steps here.
LONG CALLBACK EndOnOverflow(EXCEPTION_POINTERS* info) {
    if (info->ExceptionRecord->ExceptionCode != EXCEPTION_STACK_OVERFLOW) return EXCEPTION_CONTINUE_SEARCH;
    static const char kHeading[] = "Stack overflow; the innermost frames:\n";
    Write(kHeading, sizeof kHeading - 1);
    WriteAddress(info->ExceptionRecord->ExceptionAddress);
    void* frames[16];
    // The first frames are this handler's and the system's exception dispatch.
    const USHORT count = RtlCaptureStackBackTrace(0, 16, frames, nullptr);
    for (USHORT i = 0; i < count; ++i) WriteAddress(frames[i]);
    TerminateProcess(GetCurrentProcess(), EXCEPTION_STACK_OVERFLOW);
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void EndProcessOnStackOverflow() { AddVectoredExceptionHandler(1, EndOnOverflow); }
