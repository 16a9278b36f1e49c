#pragma once
// Waiting without blocking the windows: messages are processed until a timer on the main
// window clears the wait flag.

// With milliseconds above 0: sets the wait flag and timer 8298 on the main window and
// processes messages until the queue is empty and the flag is clear. With 0 the queue is only
// drained. A quit message is remembered (g_app.quitReceived) and ends the wait.
void PumpMessages(unsigned milliseconds);

enum { kWaitTimerId = 8298 };
