#pragma once
// Repair: brings the installation back to its logged state from its installation sources (the
// rules: RepairRun.h).
//
// RepairInstallation runs after the wizard reported Finish with the Repair method, or at once
// after the self-repair check ("/W"). It reads the item store (g_itemStore) and shows its
// progress in the wizard's progress view; the newer-file question goes to AskSharedFile
// (SharedFilePrompt.h) and the source prompt to AskSourcePath (SourcePrompt.h). The wizard's
// Cancel (g_app.cancelled) stops it at the next item; a Cancel of the source prompt ends it and
// sets g_app.cancelled too.

// 0 when done or cancelled, 1 when something could not be repaired.
int RepairInstallation();
