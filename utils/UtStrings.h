#pragma once
// The process-wide character classes and case maps of the user's default locale.

#include "utils/UtCharClasses.h"

namespace ut {

// The class flags (CT_CTYPE1) of every 8-bit character in the user's default locale, and the
// system's lower and upper case of each. Classes stay 0 when the system cannot tell them.
CharacterTables ReadCharacterTables();

// Reads the process-wide tables; only the first of several calls does the work.
void InitializeStrings();
void FinalizeStrings();

// The process-wide tables: all zeros until the initialisation.
const CharacterTables& CharacterTablesInUse();

}  // namespace ut
