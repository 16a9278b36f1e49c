#pragma once
// The wizard's progress animation: timer 25 (150 ms) moves it one frame on, and each frame is
// composed off-screen in the animation area (control 1006).

#include <windows.h>

// Starts the timer at the wizard's first paint.
void StartAnimationOnFirstPaint(HWND wizard);

// The timer's tick: next frame, repainted without erasing when the progress shows.
void AdvanceAnimation(HWND wizard);

// Loads the bin and sheet icons (when the progress view starts).
void LoadAnimationIcons();

// Draws the current frame into the wizard's device context.
void DrawAnimationFrame(HDC dc);

// Stops the animation timer for the life of a dialog or question in front of the wizard.
class AnimationPause {
public:
    AnimationPause();
    AnimationPause(const AnimationPause&) = delete;
    AnimationPause& operator=(const AnimationPause&) = delete;
    ~AnimationPause();

private:
    bool wasRunning_;
};
