#include "classlib/core/CommandLine.h"

namespace cl {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> arguments;
    size_t i = 0;
    const size_t n = commandLine.size();
    for (;;) {
        while (i < n && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
        if (i >= n) break;
        std::string argument;
        bool quoted = false;
        for (; i < n && (quoted || (commandLine[i] != ' ' && commandLine[i] != '\t')); ++i) {
            if (commandLine[i] == '"') quoted = !quoted;
            else argument += commandLine[i];
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

}  // namespace cl
