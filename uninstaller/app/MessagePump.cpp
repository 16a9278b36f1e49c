#include "uninstaller/app/MessagePump.h"

#include "uninstaller/app/AppState.h"

void PumpMessages(unsigned milliseconds)
{
    bool timed = milliseconds > 0 && g_app.mainWindow && SetTimer(g_app.mainWindow, kWaitTimerId, milliseconds, nullptr);
    g_app.waitFlag = timed;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                g_app.quitReceived = true;
                g_app.quitCode = static_cast<int>(message.wParam);
                g_app.waitFlag = false;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (!g_app.waitFlag)
            break;
        WaitMessage();
    }
    if (timed)
        KillTimer(g_app.mainWindow, kWaitTimerId);
}
