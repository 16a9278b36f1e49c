/* A DLL for the module path test to load from a long path. */
__declspec(dllexport) int ModuleProbe(void) { return 1; }
