#include "uninstaller/app/ExternalCommand.h"

#include <cstdio>
#include <cstring>

namespace {

bool Put(char* out, std::size_t size, const char* text, std::size_t length)
{
    if (length >= size)
        return false;
    std::memcpy(out, text, length);
    out[length] = '\0';
    return true;
}

}  // namespace

bool SplitExternalCommand(EngineFiles& files, const char* command, bool automatic, char* program,
                          std::size_t programSize, char* arguments, std::size_t argumentsSize)
{
    std::size_t length = std::strlen(command);
    const char* method = automatic ? "Automatic" : "Custom";
    if (!files.FileExists(command)) {
        // Longest first: from the last space backwards.
        for (std::size_t cut = length; cut-- > 0;) {
            if (command[cut] != ' ')
                continue;
            char candidate[260];
            if (!Put(candidate, sizeof candidate, command, cut) || !files.FileExists(candidate))
                continue;
            return Put(program, programSize, command, cut) &&
                   Put(arguments, argumentsSize, command + cut + 1, length - cut - 1);
        }
    }
    return Put(program, programSize, command, length) && Put(arguments, argumentsSize, method, std::strlen(method));
}
