#pragma once
// Opens a document or starts a program through the shell and reports a failure to start
// through OnError.
//
// This class offers what the program uses so far: the properties, and Launch and
// LaunchNoWait starting the file; following the started process (the waits and OnFinished,
// OnTimeout) comes later.

#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"

enum class TShowMode { Normal, Maximized, Minimized, Hide };
enum class TMwWaitType { FullStop, ProcessMessages };

using TMwLaunchErrorEvent = cl::TEvent<cl::TObject*, unsigned>;

class TMwLauncher : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwLauncher(cl::TComponent* owner) : cl::TComponent(owner) {}

    const std::string& Action() const { return action_; }
    void SetAction(const std::string& v) { action_ = v; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& v) { fileName_ = v; }
    const std::string& Parameters() const { return parameters_; }
    void SetParameters(const std::string& v) { parameters_ = v; }
    TShowMode ShowMode() const { return showMode_; }
    void SetShowMode(TShowMode v) { showMode_ = v; }
    const std::string& StartDir() const { return startDir_; }
    void SetStartDir(const std::string& v) { startDir_ = v; }
    // Milliseconds; -1 is no limit.
    int Timeout() const { return timeout_; }
    void SetTimeout(int v) { timeout_ = v; }
    TMwWaitType WaitType() const { return waitType_; }
    void SetWaitType(TMwWaitType v) { waitType_ = v; }
    bool WaitUntilFinished() const { return waitUntilFinished_; }
    void SetWaitUntilFinished(bool v) { waitUntilFinished_ = v; }

    // The code of the last failure (0 when none), as OnError gets it.
    unsigned FailureCode() const { return failureCode_; }

    // Starts FileName (nothing when it is empty); a failure raises OnError with the shell's
    // error value.
    void Launch();
    // Starts FileName and returns 0, or the shell's error value; raises no event.
    unsigned LaunchNoWait();

    // The show command of a TShowMode.
    static int ShowCommandOf(TShowMode mode);

    cl::TNotifyEvent OnFinished;
    cl::TNotifyEvent OnTimeout;
    TMwLaunchErrorEvent OnError;

private:
    // False with the shell's error value when the shell cannot start the file.
    bool Start(unsigned& failure);

    std::string action_ = "Open";
    std::string fileName_;
    std::string parameters_;
    TShowMode showMode_ = TShowMode::Normal;
    std::string startDir_;
    int timeout_ = -1;
    TMwWaitType waitType_ = TMwWaitType::FullStop;
    bool waitUntilFinished_ = false;
    unsigned failureCode_ = 0;
};
