#pragma once
// Start-up and shutdown of the utilities' process-wide tables.

namespace ut {

// Masks every floating-point exception (x87 control word 0x133F), then builds the character
// classes and case maps, the system and processor records (with the clock measured, a few
// milliseconds) and the gamma table, and picks the pixel-blending routines for the processor.
// Call it on the main thread before anything else. Further calls find the tables built and only
// count.
void InitializeUtilities();

// Balances one InitializeUtilities; the last one frees what the start-up allocated.
void FinalizeUtilities();

}  // namespace ut
