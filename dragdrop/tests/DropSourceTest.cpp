#include <gtest/gtest.h>

#include <optional>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/ImageList.h"
#include "dragdrop/Clipboard.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/DropFileTarget.h"
#include "dragdrop/GlobalMemory.h"

namespace {

class DropSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.OnException = [this](const std::string& message) { errors.push_back(message); };
        source = new TDropFileSource(&app);
    }

    cl::TApplication app;
    std::vector<std::string> errors;
    TDropFileSource* source = nullptr;
};

TEST_F(DropSourceTest, QueryContinueDragDropsOnlyAnAllowedEffectThatOnDropAccepts) {
    struct Case {
        const char* what;
        BOOL escape;
        DWORD keys;
        DWORD feedback;
        TDragTypes dragTypes;
        bool onDropRefuses;
        HRESULT result;
        std::optional<TDragType> onDropSaw;
    };
    const Case cases[] = {
        {"escape", TRUE, MK_LBUTTON, DROPEFFECT_COPY, dtCopy, false, DRAGDROP_S_CANCEL, {}},
        {"left button still down", FALSE, MK_LBUTTON, DROPEFFECT_COPY, dtCopy, false, S_OK, {}},
        {"right button still down", FALSE, MK_RBUTTON | MK_SHIFT, DROPEFFECT_COPY, dtCopy, false, S_OK, {}},
        {"released over no target", FALSE, 0, DROPEFFECT_NONE, dtCopy, false, DRAGDROP_S_CANCEL, {}},
        {"target moves, only copy allowed", FALSE, 0, DROPEFFECT_MOVE, dtCopy, false, DRAGDROP_S_CANCEL, {}},
        {"target moves", FALSE, MK_SHIFT, DROPEFFECT_MOVE | DROPEFFECT_SCROLL, dtMove, false, DRAGDROP_S_DROP, TDragType::Move},
        {"copy before move", FALSE, 0, DROPEFFECT_COPY | DROPEFFECT_MOVE, dtCopy | dtMove, false, DRAGDROP_S_DROP, TDragType::Copy},
        {"target links", FALSE, 0, DROPEFFECT_LINK, dtLink, false, DRAGDROP_S_DROP, TDragType::Link},
        {"OnDrop refuses", FALSE, 0, DROPEFFECT_COPY, dtCopy, true, DRAGDROP_S_CANCEL, TDragType::Copy},
    };
    for (const Case& c : cases) {
        std::optional<TDragType> saw;
        source->OnDrop = TDropEvent::FromFunction([&](cl::TObject* sender, TDragType type, bool& go) {
            EXPECT_EQ(sender, source);
            EXPECT_TRUE(go);
            saw = type;
            if (c.onDropRefuses) go = false;
        });
        source->SetDragtypes(c.dragTypes);
        source->GiveFeedback(c.feedback);
        EXPECT_EQ(source->QueryContinueDrag(c.escape, c.keys), c.result) << c.what;
        EXPECT_EQ(saw, c.onDropSaw) << c.what;
    }
}

TEST_F(DropSourceTest, GiveFeedbackKeepsTheEffectAndLetsOnFeedbackChooseTheCursors) {
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_LINK), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_EQ(source->FeedbackEffect(), static_cast<DWORD>(DROPEFFECT_LINK));

    source->OnFeedback = TFeedbackEvent::FromFunction([](cl::TObject*, int effect, bool& useDefault) {
        useDefault = effect != DROPEFFECT_COPY;
    });
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), S_OK);
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_MOVE), DRAGDROP_S_USEDEFAULTCURSORS);

    source->OnFeedback = TFeedbackEvent::FromFunction([](cl::TObject*, int, bool&) { throw cl::Exception("Cursor trouble"); });
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_EQ(errors, std::vector<std::string>{"Cursor trouble"});
}

TEST(DragOutcome, FollowsDoDragDropsResultAndTheAllowedEffect) {
    struct Case {
        HRESULT result;
        DWORD effect;
        DWORD allowed;
        TDragOutcome outcome;
    };
    const Case cases[] = {
        {DRAGDROP_S_DROP, DROPEFFECT_COPY, DROPEFFECT_COPY, TDragOutcome::Copied},
        {DRAGDROP_S_DROP, DROPEFFECT_MOVE, DROPEFFECT_MOVE, TDragOutcome::Moved},
        {DRAGDROP_S_DROP, DROPEFFECT_LINK, DROPEFFECT_COPY | DROPEFFECT_LINK, TDragOutcome::Linked},
        {DRAGDROP_S_DROP, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY | DROPEFFECT_MOVE, TDragOutcome::Copied},
        {DRAGDROP_S_DROP, DROPEFFECT_MOVE, DROPEFFECT_COPY, TDragOutcome::Cancelled},
        {DRAGDROP_S_DROP, DROPEFFECT_NONE, DROPEFFECT_COPY, TDragOutcome::Cancelled},
        {DRAGDROP_S_CANCEL, DROPEFFECT_COPY, DROPEFFECT_COPY, TDragOutcome::Cancelled},
        {E_OUTOFMEMORY, DROPEFFECT_NONE, DROPEFFECT_COPY, TDragOutcome::OutOfMemory},
        {E_UNEXPECTED, DROPEFFECT_COPY, DROPEFFECT_COPY, TDragOutcome::Unknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dragdrop::DragOutcomeOf(c.result, c.effect, c.allowed), c.outcome) << std::hex << c.result << " " << c.effect;
}

TEST_F(DropSourceTest, DragImageSettingsFollowTheImageList) {
    EXPECT_EQ(source->Dragtypes(), dtCopy);
    EXPECT_EQ(source->ImageHotSpotX(), 16);
    source->SetShowImage(true);
    EXPECT_FALSE(source->ShowImage());  // no list

    auto* images = new cl::TImageList(&app);
    images->SetWidth(8);
    images->SetHeight(8);
    HBITMAP strip = CreateBitmap(16, 8, 1, 32, nullptr);
    images->Add(strip, nullptr);
    DeleteObject(strip);
    ASSERT_EQ(images->Count(), 2);

    source->SetImages(images);
    EXPECT_TRUE(source->ShowImage());
    source->SetImageIndex(1);
    EXPECT_EQ(source->ImageIndex(), 1);
    source->SetImageIndex(2);  // beyond the list: ignored
    EXPECT_EQ(source->ImageIndex(), 1);
    source->SetImageIndex(-1);
    EXPECT_EQ(source->ImageIndex(), 0);
    EXPECT_FALSE(source->ShowImage());

    source->SetShowImage(true);
    source->SetImageIndex(1);
    cl::Free(images);
    EXPECT_EQ(source->Images(), nullptr);
    EXPECT_EQ(source->ImageIndex(), 0);
    EXPECT_FALSE(source->ShowImage());
}

// The clipboard holds the files as CF_HDROP with the operation's preferred effect; the file
// target reads them back.
TEST_F(DropSourceTest, ClipboardCutAndCopyArePastedAsFilesWithTheirEffect) {
    auto* target = new TDropFileTarget(&app);
    const std::vector<std::string> paths{"C:\\cut\\one.txt", "C:\\cut\\two.txt"};
    source->Files()->Assign(paths);

    ASSERT_TRUE(source->ClipboardCut());
    EXPECT_EQ(target->PasteClipboard(), DROPEFFECT_MOVE);
    EXPECT_EQ(target->Files()->ToVector(), paths);
    ASSERT_TRUE(source->ClipboardCopy());
    EXPECT_EQ(target->PasteClipboard(), DROPEFFECT_COPY);

    // Nothing to put: the clipboard keeps what it had.
    source->Files()->Clear();
    ASSERT_TRUE(dragdrop::TOpenClipboard().Put(CF_TEXT, dragdrop::GlobalFromBytes({'h', 'i', 0})));
    EXPECT_FALSE(source->ClipboardCopy());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(target->PasteClipboard(), 0);
    EXPECT_EQ(target->Files()->Count(), 2);  // no files on the clipboard: the list is left alone
}

}  // namespace
