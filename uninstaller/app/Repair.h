#pragma once
// Repair: brings the installation back to its logged state from its installation sources.

// 0 when done or cancelled, 1 when it failed.
int RepairInstallation();
