// Program Manager icons under Wine: a Program Manager of the test's own serves DDE on a thread
// of its own, under a name of its own (Wine's shell serves "PROGMAN" itself). Uninstalls in
// this process remove their icons through it; a missing, silent or blocked server costs at most
// a deadline.

#include <gtest/gtest.h>

#include <windows.h>
#include <ddeml.h>

#include <mutex>
#include <string>
#include <vector>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/ProgramManager.h"
#include "uninstaller/app/Uninstaller.h"
#include "uninstaller/app/tests/WineTestSupport.h"

using namespace wine_test;

namespace {

struct Group {
    std::string name;
    std::string text;
};

// A DDE server that answers "GROUPS" and the name of each group, and records the commands it
// gets. With hangOnCommands it stops answering at the first command until it
// is released.
class FakeProgramManager {
public:
    FakeProgramManager(const std::string& service, std::vector<Group> groups, bool hangOnCommands = false)
        : serviceName_(service), groups_(std::move(groups)), hang_(hangOnCommands)
    {
        current_ = this;
        ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Serve, this, 0, &threadId_);
        WaitForSingleObject(ready_, 10000);
    }
    ~FakeProgramManager()
    {
        SetEvent(release_);
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
        CloseHandle(ready_);
        CloseHandle(release_);
        current_ = nullptr;
    }

    std::vector<std::string> Commands()
    {
        std::lock_guard<std::mutex> hold(lock_);
        return commands_;
    }
    std::vector<std::string> Requests()
    {
        std::lock_guard<std::mutex> hold(lock_);
        return requests_;
    }

private:
    static DWORD WINAPI Serve(void* parameter)
    {
        auto* self = static_cast<FakeProgramManager*>(parameter);
        DdeInitializeA(&self->instance_, Callback, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0);
        self->service_ = DdeCreateStringHandleA(self->instance_, self->serviceName_.c_str(), CP_WINANSI);
        DdeNameService(self->instance_, self->service_, nullptr, DNS_REGISTER);
        SetEvent(self->ready_);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        DdeNameService(self->instance_, self->service_, nullptr, DNS_UNREGISTER);
        DdeFreeStringHandle(self->instance_, self->service_);
        DdeUninitialize(self->instance_);
        return 0;
    }

    static HDDEDATA CALLBACK Callback(UINT type, UINT, HCONV, HSZ topic, HSZ item, HDDEDATA data, ULONG_PTR,
                                      ULONG_PTR)
    {
        try {
            FakeProgramManager* self = current_;
            switch (type) {
            case XTYP_CONNECT:
                return reinterpret_cast<HDDEDATA>(
                    static_cast<UINT_PTR>(DdeCmpStringHandles(topic, self->service_) == 0));
            case XTYP_REQUEST:
                return self->Answer(item);
            case XTYP_EXECUTE:
                return self->Take(data);
            }
        } catch (...) {
        }
        return nullptr;
    }

    HDDEDATA Answer(HSZ item)
    {
        char name[256] = "";
        DdeQueryStringA(instance_, item, name, sizeof name, CP_WINANSI);
        {
            std::lock_guard<std::mutex> hold(lock_);
            requests_.push_back(name);
        }
        std::string reply;
        if (lstrcmpiA(name, "GROUPS") == 0) {
            for (const Group& group : groups_)
                reply += group.name + "\r\n";
        } else {
            for (const Group& group : groups_)
                if (lstrcmpiA(name, group.name.c_str()) == 0)
                    reply = group.text;
            if (reply.empty())
                return nullptr;
        }
        return DdeCreateDataHandle(instance_, reinterpret_cast<LPBYTE>(&reply[0]), static_cast<DWORD>(reply.size() + 1),
                                   0, item, CF_TEXT, 0);
    }

    HDDEDATA Take(HDDEDATA data)
    {
        DWORD size = DdeGetData(data, nullptr, 0, 0);
        std::string command(size, '\0');
        DdeGetData(data, reinterpret_cast<LPBYTE>(&command[0]), size, 0);
        command.resize(std::strlen(command.c_str()));
        {
            std::lock_guard<std::mutex> hold(lock_);
            commands_.push_back(command);
        }
        if (hang_)
            WaitForSingleObject(release_, INFINITE);
        return reinterpret_cast<HDDEDATA>(static_cast<UINT_PTR>(DDE_FACK));
    }

    static FakeProgramManager* current_;
    std::string serviceName_;
    std::vector<Group> groups_;
    bool hang_;
    HANDLE ready_, release_, thread_;
    DWORD threadId_ = 0;
    DWORD instance_ = 0;
    HSZ service_ = nullptr;
    std::mutex lock_;
    std::vector<std::string> commands_, requests_;
};

FakeProgramManager* FakeProgramManager::current_;

const Group kGame{"Halden Game",
                  "\"Halden Game\",C:\\WINDOWS\\HALDENGA.GRP,2,2,1\r\n"
                  "\"Play\",\"C:\\GAME\\GAME.EXE\",C:\\GAME,,0,0,0,0,0\r\n"
                  "\"Read Me\",\"NOTEPAD.EXE C:\\GAME\\README.TXT\",C:\\GAME,,0,0,0,0,0\r\n"};
const Group kStartUp{"StartUp",
                     "\"StartUp\",C:\\WINDOWS\\STARTUP.GRP,1,2,1\r\n"
                     "\"Game Tray\",\"C:\\GAME\\TRAY.EXE\",C:\\GAME,,0,0,0,0,0\r\n"};
const Group kAccessories{"Accessories",
                         "\"Accessories\",C:\\WINDOWS\\ACCESSOR.GRP,1,2,1\r\n"
                         "\"Notepad\",\"NOTEPAD.EXE\",,,0,0,0,0,0\r\n"};
std::vector<std::string> DeleteItem(const std::string& group, const std::string& item)
{
    return {"[ShowGroup(\"" + group + "\",2)]", "[ShowGroup(\"" + group + "\",1)]", "[DeleteItem(\"" + item + "\")]"};
}

class ProgramManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        service = "UnhProgman" + std::to_string(GetCurrentProcessId());
        SetProgramManagerService(service.c_str());
        folder = TempFolder("unhicon");
        logPath = folder + "\\INSTALL.LOG";
        file = folder + "\\game.exe";
    }
    void TearDown() override { SetProgramManagerService(nullptr); }

    // A silent uninstall of a file and three icons, the third one not in any group.
    void Uninstall()
    {
        WriteFile(file, "game");
        WriteFile(logPath, "*** Installation Started 03/07/2026 10:00 ***\r\n"
                           "Title: Icon Test\r\n"
                           "File Copy: " + file + "\r\n"
                           "Icon Group: Halden Game\r\nIcon Name: Play\r\nIcon Cmd: C:\\GAME\\GAME.EXE\r\n"
                           "Icon Group: Halden Game\r\nIcon Name: Read Me\r\nIcon Cmd: C:\\GAME\\README.TXT\r\n"
                           "Icon Group: Old Name\r\nIcon Name: Tray\r\nIcon Cmd: C:\\GAME\\TRAY.EXE\r\n"
                           "Icon Group: Halden Game\r\nIcon Name: Help\r\nIcon Cmd: C:\\GAME\\HELP.EXE\r\n");
        std::string arguments = "/S \"" + logPath + "\"";
        ASSERT_EQ(StartUninstaller(GetModuleHandleA(nullptr), arguments.c_str()), kStartReady);
        RunUninstall();
        EndUninstaller();
    }

    std::string service, folder, logPath, file;
};

TEST_F(ProgramManagerTest, UninstallRemovesIconsAndEmptiedGroups)
{
    FakeProgramManager server(service, {kGame, kStartUp, kAccessories});
    Uninstall();
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{"GROUPS", "Halden Game", "StartUp", "Accessories"}));
    std::vector<std::string> expected = DeleteItem("Halden Game", "Play");
    for (const auto& part : {DeleteItem("Halden Game", "Read Me"), {"[DeleteGroup(\"Halden Game\")]"},
                             DeleteItem("StartUp", "Game Tray")})
        expected.insert(expected.end(), part.begin(), part.end());
    // "StartUp" stays although it is empty now.
    EXPECT_EQ(server.Commands(), expected);
}

TEST_F(ProgramManagerTest, WithoutAServerTheUninstallGoesOn)
{
    Uninstall();
    EXPECT_FALSE(Exists(file));
    EXPECT_FALSE(Exists(logPath));
}

// A server that takes the first command and then no longer answers is given up after that
// command's timeout: nothing more is sent to it and disconnecting does not wait for it.
TEST_F(ProgramManagerTest, AServerThatStopsAnsweringIsGivenUp)
{
    FakeProgramManager server(service, {kGame, kStartUp}, true);
    ASSERT_TRUE(ConnectProgramManager());
    RemoveProgramManagerIcon("Halden Game", "Play", "C:\\GAME\\GAME.EXE");
    RemoveProgramManagerIcon("StartUp", "Game Tray", "C:\\GAME\\TRAY.EXE");
    DisconnectProgramManager();
    EXPECT_EQ(server.Commands(), (std::vector<std::string>{"[ShowGroup(\"Halden Game\",2)]"}));
}

// A window whose thread does not serve its messages blocks the search for a server; the
// connection gives up at its deadline instead of waiting with it.
DWORD WINAPI HoldAHungWindow(void* release)
{
    HWND window = CreateWindowExA(0, "STATIC", "hung", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    WaitForSingleObject(static_cast<HANDLE>(release), INFINITE);
    DestroyWindow(window);
    return 0;
}

TEST_F(ProgramManagerTest, AHungWindowDoesNotHangTheConnection)
{
    FakeProgramManager server(service, {kGame});
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE hung = CreateThread(nullptr, 0, HoldAHungWindow, release, 0, nullptr);
    ASSERT_TRUE(WaitUntil([] { return FindWindowA("STATIC", "hung") != nullptr; }, 30000));

    EXPECT_FALSE(ConnectProgramManager());
    RemoveProgramManagerIcon("Halden Game", "Play", "C:\\GAME\\GAME.EXE");
    DisconnectProgramManager();

    SetEvent(release);
    WaitForSingleObject(hung, 10000);
    CloseHandle(hung);
    CloseHandle(release);
    EXPECT_TRUE(server.Commands().empty());
}

}  // namespace
