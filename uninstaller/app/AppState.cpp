#include "uninstaller/app/AppState.h"

AppState g_app;

void ResetAppState()
{
    HINSTANCE instance = g_app.instance;
    g_app = AppState{};
    g_app.instance = instance;
}
