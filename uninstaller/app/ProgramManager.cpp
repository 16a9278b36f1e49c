#include "uninstaller/app/ProgramManager.h"

#include <windows.h>

#include "uninstaller/app/DdeConversation.h"
#include "uninstaller/app/ProgramManagerGroups.h"

namespace {

const unsigned kMaxGroups = 128;

// The conversation and the texts of the groups, as the server gave them at connection.
struct ProgramManager {
    DdeConversation conversation;
    char* groups[kMaxGroups];
    unsigned groupCount;
};

ProgramManager g_programManager;
const char* g_service = "PROGMAN";

class ConversationCommands : public ProgramManagerCommands {
public:
    void Execute(const char* command) override { g_programManager.conversation.Execute(command); }
};

void FreeGroups()
{
    for (unsigned i = 0; i < g_programManager.groupCount; ++i)
        HeapFree(GetProcessHeap(), 0, g_programManager.groups[i]);
    g_programManager.groupCount = 0;
}

// Asks for the text of each group in the list (one name a line), until the table is full or a
// request fails.
void ReadGroups(const char* names)
{
    char name[1024];
    TextLine line;
    while (g_programManager.groupCount < kMaxGroups && NextTextLine(&names, &line)) {
        if (line.length == 0 || line.length >= sizeof name)
            continue;
        CopyMemory(name, line.start, line.length);
        name[line.length] = '\0';
        char* text = g_programManager.conversation.Request(name);
        if (!text)
            return;
        g_programManager.groups[g_programManager.groupCount++] = text;
    }
}

}  // namespace

bool ConnectProgramManager()
{
    DisconnectProgramManager();
    if (!g_programManager.conversation.Connect(g_service))
        return false;
    char* names = g_programManager.conversation.Request("GROUPS");
    if (names) {
        ReadGroups(names);
        HeapFree(GetProcessHeap(), 0, names);
    }
    // A server that stopped answering meanwhile was given up: nothing will be removed.
    if (g_programManager.conversation.Connected())
        return true;
    FreeGroups();
    return false;
}

void RemoveProgramManagerIcon(const char* group, const char* name, const char* command)
{
    if (!g_programManager.conversation.Connected())
        return;
    ConversationCommands server;
    RemoveIconFromGroups(g_programManager.groups, g_programManager.groupCount, group, name, command, server);
}

void DisconnectProgramManager()
{
    g_programManager.conversation.End();
    FreeGroups();
}

void SetProgramManagerService(const char* service)
{
    g_service = service ? service : "PROGMAN";
}
