#pragma once
// Reads the uninstaller's string table text (strings.txt) for the tests: id to text, with the
// file's escapes turned into the characters they stand for.

#include <cstdio>
#include <map>
#include <string>

inline std::map<int, std::string> ReadStringTableFile(const char* path)
{
    std::map<int, std::string> table;
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return table;
    char line[4096];
    while (std::fgets(line, sizeof line, file)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        if (text.empty() || text[0] == '#')
            continue;
        size_t open = text.find(" \"");
        if (open == std::string::npos || text.back() != '"')
            continue;
        int id = std::stoi(text.substr(0, open));
        std::string body = text.substr(open + 2, text.size() - open - 3);
        std::string value;
        for (size_t i = 0; i < body.size(); ++i) {
            if (body[i] == '\\' && i + 1 < body.size()) {
                char next = body[++i];
                value += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
            } else {
                value += body[i];
            }
        }
        table[id] = value;
    }
    std::fclose(file);
    return table;
}
