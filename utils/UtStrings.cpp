#include "utils/UtStrings.h"

#include <windows.h>

#include "utils/UtInitializationCount.h"

namespace ut {

namespace {

InitializationCount g_count;
CharacterTables g_tables;

CaseMap AllCharacters() {
    CaseMap characters{};
    for (unsigned c = 0; c < characters.size(); ++c) characters[c] = static_cast<uint8_t>(c);
    return characters;
}

CaseMap Mapped(DWORD (WINAPI* map)(LPSTR, DWORD)) {
    CaseMap characters = AllCharacters();
    map(reinterpret_cast<LPSTR>(characters.data()), static_cast<DWORD>(characters.size()));
    return characters;
}

}  // namespace

CharacterTables ReadCharacterTables() {
    CharacterTables tables;
    // The count is explicit, so character 0 is classified like any other.
    const CaseMap characters = AllCharacters();
    if (!GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, reinterpret_cast<LPCSTR>(characters.data()),
                          static_cast<int>(characters.size()), tables.types.data()))
        tables.types.fill(0);
    tables.lower = Mapped(CharLowerBuffA);
    tables.upper = Mapped(CharUpperBuffA);
    tables.reflected = ReflectedCaseMap(tables.types, tables.lower, tables.upper);
    return tables;
}

void InitializeStrings() {
    if (g_count.Enter()) g_tables = ReadCharacterTables();
}

void FinalizeStrings() { g_count.Leave(); }

const CharacterTables& CharacterTablesInUse() { return g_tables; }

}  // namespace ut
