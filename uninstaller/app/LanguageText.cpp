#include "uninstaller/app/LanguageText.h"

#include <cstring>

bool IsLanguageTextSet(const char* text)
{
    return std::strcmp(text, kLanguageNotSet) != 0;
}

size_t UnescapeLanguageText(const char* text, char* out, size_t size)
{
    if (size == 0)
        return 0;
    size_t length = 0;
    for (const char* p = text; *p; ++p) {
        if (*p == '|') {
            if (length + 2 >= size)
                break;
            out[length++] = '\r';
            out[length++] = '\n';
            continue;
        }
        if (length + 1 >= size)
            break;
        out[length++] = *p == '~' ? ' ' : *p;
    }
    out[length] = '\0';
    return length;
}

namespace {

enum ConversionResult { kEnd, kConversion, kUnusable };

// The kind of argument a conversion letter takes: integers, floating point, strings,
// wide strings, pointers.
char ArgumentClass(char letter)
{
    switch (letter) {
    case 'd': case 'i': case 'u': case 'o': case 'x': case 'X': case 'c': return 'd';
    case 'e': case 'E': case 'f': case 'F': case 'g': case 'G': case 'a': case 'A': return 'f';
    case 's': return 's';
    case 'S': case 'C': return 'S';
    case 'p': return 'p';
    default: return 0;
    }
}

// Moves *p past the next conversion and describes its argument (length modifier and class)
// in kind.
ConversionResult NextConversion(const char** p, char kind[8])
{
    const char* q = *p;
    for (;;) {
        q = std::strchr(q, '%');
        if (!q) {
            *p = *p + std::strlen(*p);
            return kEnd;
        }
        if (q[1] == '%') {
            q += 2;
            continue;
        }
        break;
    }
    ++q;
    while (*q && std::strchr("-+ #0", *q))
        ++q;
    while (*q >= '0' && *q <= '9')
        ++q;
    if (*q == '.') {
        ++q;
        while (*q >= '0' && *q <= '9')
            ++q;
    }
    size_t length = 0;
    while (*q && std::strchr("hlLjztIw0123456789", *q) && length < 6)
        kind[length++] = *q++;
    char argumentClass = ArgumentClass(*q);
    if (!argumentClass) {
        *p = *q ? q + 1 : q;
        return kUnusable;
    }
    kind[length++] = argumentClass;
    kind[length] = '\0';
    *p = q + 1;
    return kConversion;
}

}  // namespace

bool HasConversions(const char* text)
{
    char kind[8];
    return NextConversion(&text, kind) != kEnd;
}

bool ConversionsMatch(const char* candidate, const char* reference)
{
    for (;;) {
        char candidateKind[8], referenceKind[8];
        ConversionResult a = NextConversion(&candidate, candidateKind);
        ConversionResult b = NextConversion(&reference, referenceKind);
        if (a == kUnusable || b == kUnusable)
            return false;
        if (a == kEnd || b == kEnd)
            return a == b;
        if (std::strcmp(candidateKind, referenceKind) != 0)
            return false;
    }
}
