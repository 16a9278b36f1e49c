#pragma once
// What the launcher tests and their stand-in program share.

// The stand-in program's file name, beside the test program.
constexpr char kLaunchStubName[] = "quillon_launch_stub.exe";
// Set by the tests when they are done: every waiting stand-in ends at once.
constexpr char kReleaseEventName[] = "QuillonLaunchStubRelease";
// The exit code of "showcmd" when the program was given no show command.
constexpr int kNoShowCommand = 100;
