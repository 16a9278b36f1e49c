// The media player's reports of each playback's start and end, with the media control
// interface replaced, so that no sound device is needed.

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/MediaPlayer.h"

namespace {

using cl::TMPNotifyValue;

// Public: the cases' steps below drive the fixture from outside.
class MediaPlayerTest : public ::testing::Test {
public:
    void SetUp() override {
        form = new cl::TForm(&app);
        player = new cl::TMediaPlayer(form);
        player->SetParent(form);
        player->SetFileName("C:\\sound.wav");
        player->OnNotify = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { reports.push_back(player->NotifyValue()); });
        cl::TMediaPlayer::CommandHook() = [this](unsigned device, unsigned command, uintptr_t flags, uintptr_t params) -> unsigned long {
            if (command == MCI_OPEN) reinterpret_cast<MCI_OPEN_PARMSA*>(params)->wDeviceID = ++lastDevice;
            if (command == MCI_PLAY && (flags & MCI_NOTIFY))
                callback = reinterpret_cast<HWND>(reinterpret_cast<MCI_PLAY_PARMS*>(params)->dwCallback);
            // A real device tells a pending playback that these commands ended it.
            if ((command == MCI_STOP || command == MCI_CLOSE || command == MCI_SEEK) && callback)
                Device(MCI_NOTIFY_ABORTED, device);
            return command == MCI_PLAY ? playError : 0;
        };
    }
    void TearDown() override { cl::TMediaPlayer::CommandHook() = nullptr; }

    // A notification as the device posts it.
    void Device(WPARAM value, unsigned device) const { PostMessageA(callback, MM_MCINOTIFY, value, device); }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    cl::TMediaPlayer* player = nullptr;
    std::vector<TMPNotifyValue> reports;
    unsigned lastDevice = 0;
    HWND callback = nullptr;
    unsigned long playError = 0;
};

TEST_F(MediaPlayerTest, ReportsEachPlaybacksStartAndEndExactlyOnce) {
    const struct {
        const char* name;
        std::function<void(MediaPlayerTest&)> run;
        std::vector<TMPNotifyValue> expected;
    } cases[] = {
        {"played to the end",
         [](MediaPlayerTest& t) {
             t.player->Play();
             t.Device(MCI_NOTIFY_SUCCESSFUL, t.lastDevice);
         },
         {TMPNotifyValue::Started, TMPNotifyValue::Successful}},
        {"stopped (the device's own abort report comes too)",
         [](MediaPlayerTest& t) {
             t.player->Play();
             t.player->Stop();
             t.player->Rewind();
         },
         {TMPNotifyValue::Started, TMPNotifyValue::Aborted}},
        {"ended while being stopped: the late success is no second end",
         [](MediaPlayerTest& t) {
             t.player->Play();
             t.Device(MCI_NOTIFY_SUCCESSFUL, t.lastDevice);
             t.player->Stop();
         },
         {TMPNotifyValue::Started, TMPNotifyValue::Aborted}},
        {"played again while playing",
         [](MediaPlayerTest& t) {
             t.player->Play();
             t.player->Play();
             t.Device(MCI_NOTIFY_SUPERSEDED, t.lastDevice);
             t.Device(MCI_NOTIFY_SUCCESSFUL, t.lastDevice);
         },
         {TMPNotifyValue::Started, TMPNotifyValue::Superseded, TMPNotifyValue::Started, TMPNotifyValue::Successful}},
        {"closed and reopened: the old device's reports are ignored",
         [](MediaPlayerTest& t) {
             t.player->Play();
             const unsigned old = t.lastDevice;
             t.player->Open();
             t.Device(MCI_NOTIFY_SUCCESSFUL, old);
         },
         {TMPNotifyValue::Started, TMPNotifyValue::Aborted}},
        {"refused by the device",
         [](MediaPlayerTest& t) {
             t.playError = MCIERR_HARDWARE;
             EXPECT_THROW(t.player->Play(), cl::Exception);
         },
         {TMPNotifyValue::Started, TMPNotifyValue::Failure}},
        {"without Notify",
         [](MediaPlayerTest& t) {
             t.player->SetNotify(false);
             t.player->Play();
             t.Device(MCI_NOTIFY_SUCCESSFUL, t.lastDevice);
             t.player->Stop();
         },
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        reports.clear();
        callback = nullptr;
        playError = 0;
        player->SetNotify(true);
        player->Open();
        c.run(*this);
        EXPECT_TRUE(reports.empty()) << "reported inside the command";
        app.ProcessMessages();
        EXPECT_EQ(reports, c.expected);
        player->Close();
        app.ProcessMessages();
        EXPECT_EQ(reports, c.expected) << "after closing";
    }
}

}  // namespace
