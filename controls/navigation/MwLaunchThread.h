#pragma once
// The worker of a background launch: it runs its launcher's start routine, which starts the
// program and follows it. It frees itself when that returns.
//
// The launcher may be destroyed while the worker runs. It then lets go of the worker (Detach)
// on the UI thread, and the worker reaches the launcher only through WithLauncher, which runs
// on the UI thread too and does nothing once the launcher has let go.

#include <atomic>
#include <functional>

#include "classlib/win/Thread.h"

class TMwLauncher;

class TMwLaunchThread : public cl::TThread {
public:
    // Made suspended; the launcher starts it.
    explicit TMwLaunchThread(TMwLauncher* launcher);

    // UI thread only.
    TMwLauncher* Launcher() const { return launcher_; }
    void Detach() { launcher_ = nullptr; }
    // True while a WithLauncher step runs: its launcher event handler is on the UI thread's
    // stack, and the worker cannot go on before it returns.
    bool InLauncherCall() const { return callsRunning_ > 0; }

    // Runs step with the launcher on the UI thread while the worker waits; nothing when the
    // launcher has let go of the worker.
    void WithLauncher(const std::function<void(TMwLauncher&)>& step);

protected:
    void Execute() override;

private:
    std::atomic<TMwLauncher*> launcher_;
    int callsRunning_ = 0;  // UI thread only
};
