#include "controls/navigation/MwLaunchThread.h"

#include "controls/navigation/MwLauncher.h"

TMwLaunchThread::TMwLaunchThread(TMwLauncher* launcher) : launcher_(launcher) { SetFreeOnTerminate(true); }

void TMwLaunchThread::WithLauncher(const std::function<void(TMwLauncher&)>& step) {
    Synchronize([this, &step] {
        TMwLauncher* launcher = launcher_;
        if (!launcher) return;
        struct TCallScope {
            int& calls;
            explicit TCallScope(int& c) : calls(c) { ++calls; }
            ~TCallScope() { --calls; }
        } scope(callsRunning_);
        step(*launcher);
    });
}

void TMwLaunchThread::Execute() {
    TMwLauncher* launcher = launcher_;
    if (!launcher) return;
    try {
        launcher->StartAndWait(this);
    } catch (...) {
        WithLauncher([this](TMwLauncher& l) { l.ForgetWorker(this); });
        throw;
    }
    WithLauncher([this](TMwLauncher& l) { l.ForgetWorker(this); });
}
