#include "uninstaller/app/ProgramManagerGroups.h"

#include <cstdio>
#include <cstring>

#include "uninstaller/log/NameCompare.h"

namespace {

struct Quoted {
    const char* start;
    std::size_t length;
};

// The text between the double quote at text and the next one within available characters.
bool QuotedText(const char* text, std::size_t available, Quoted* out)
{
    if (available < 2 || text[0] != '"')
        return false;
    const void* close = std::memchr(text + 1, '"', available - 1);
    if (!close)
        return false;
    out->start = text + 1;
    out->length = static_cast<std::size_t>(static_cast<const char*>(close) - out->start);
    return true;
}

bool Equals(const Quoted& text, const char* wanted)
{
    std::size_t length = std::strlen(wanted);
    return length != 0 && length == text.length && CompareNoCaseN(text.start, wanted, length) == 0;
}

void Send(ProgramManagerCommands& server, const char* verb, const Quoted& name, const char* argument)
{
    char command[1024];
    if (BuildProgramManagerCommand(command, sizeof command, verb, name.start, name.length, argument))
        server.Execute(command);
}

struct Item {
    Quoted name;
    Quoted command;
    bool hasCommand;
};

// An item line: the quoted name, then optionally "," and the quoted command line.
bool ParseItem(const TextLine& line, Item* item)
{
    if (!QuotedText(line.start, line.length, &item->name))
        return false;
    const char* rest = item->name.start + item->name.length + 1;
    std::size_t restLength = static_cast<std::size_t>(line.start + line.length - rest);
    item->hasCommand = restLength > 1 && rest[0] == ',' && QuotedText(rest + 1, restLength - 1, &item->command);
    return true;
}

bool HasItemLeft(const char* items)
{
    TextLine line;
    while (NextTextLine(&items, &line))
        if (line.length && line.start[0] == '"')
            return true;
    return false;
}

// Removes the group's matching items; true when one was removed.
bool RemoveMatchingItems(char* text, const char* items, const Quoted& groupName, const char* group,
                         const char* name, const char* command, ProgramManagerCommands& server)
{
    bool inGroup = Equals(groupName, group);
    bool removed = false;
    TextLine line;
    while (NextTextLine(&items, &line)) {
        Item item;
        if (!ParseItem(line, &item))
            continue;
        bool sameCommand = item.hasCommand && Equals(item.command, command);
        if (!sameCommand && !(inGroup && Equals(item.name, name)))
            continue;
        text[line.start - text] = '*';
        // The item is deleted from the active group: the group is brought forward first.
        Send(server, "ShowGroup", groupName, "2");
        Send(server, "ShowGroup", groupName, "1");
        Send(server, "DeleteItem", item.name, nullptr);
        removed = true;
    }
    return removed;
}

}  // namespace

bool NextTextLine(const char** cursor, TextLine* line)
{
    const char* start = *cursor;
    if (*start == '\0')
        return false;
    const char* end = start;
    while (*end && *end != '\r' && *end != '\n')
        ++end;
    line->start = start;
    line->length = static_cast<std::size_t>(end - start);
    if (*end == '\r')
        ++end;
    if (*end == '\n')
        ++end;
    *cursor = end;
    return true;
}

bool BuildProgramManagerCommand(char* out, std::size_t size, const char* verb, const char* name,
                                std::size_t nameLength, const char* argument)
{
    if (size == 0)
        return false;
    out[0] = '\0';
    if (nameLength >= size || std::memchr(name, '"', nameLength))
        return false;
    int length = argument ? std::snprintf(out, size, "[%s(\"%.*s\",%s)]", verb, static_cast<int>(nameLength), name,
                                          argument)
                          : std::snprintf(out, size, "[%s(\"%.*s\")]", verb, static_cast<int>(nameLength), name);
    if (length < 0 || static_cast<std::size_t>(length) >= size) {
        out[0] = '\0';
        return false;
    }
    return true;
}

void RemoveIconFromGroups(char* const* groupTexts, std::size_t groupCount, const char* group, const char* name,
                          const char* command, ProgramManagerCommands& server)
{
    for (std::size_t i = 0; i < groupCount; ++i) {
        char* text = groupTexts[i];
        if (!text || text[0] != '"')
            continue;
        const char* items = text;
        TextLine first;
        Quoted groupName;
        NextTextLine(&items, &first);
        if (!QuotedText(first.start, first.length, &groupName))
            continue;
        if (!RemoveMatchingItems(text, items, groupName, group, name, command, server) || HasItemLeft(items))
            continue;
        text[0] = '*';
        if (!Equals(groupName, "STARTUP"))
            Send(server, "DeleteGroup", groupName, nullptr);
    }
}
