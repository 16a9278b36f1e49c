#pragma once
// Start-up and shutdown of the shell units, in their order: COM, the shell utilities' facts,
// then the shell controls' set-up; shutdown in reverse. Call on the UI thread; nested calls
// only count, and the call that balances the first one shuts down.

namespace mw {

void InitializeShellUnits();
void FinalizeShellUnits();

}  // namespace mw
