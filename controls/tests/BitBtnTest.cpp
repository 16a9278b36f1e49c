// The bit button: its kinds with their glyph resources, the glyph's images, image-list
// entries, and reading it from a form resource.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "classlib/core/FormReader.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/ImageList.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TRect;

constexpr COLORREF kOlive = RGB(128, 128, 0), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// A bitmap of square images side by side: red, blue, red... each with its lower-left pixel olive.
cl::TBitmapHandle Strip(int width, int height) {
    HDC screen = GetDC(nullptr);
    cl::TBitmapHandle bitmap(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    {
        cl::TSelectObject select(dc, bitmap.Get());
        for (int x = 0; x < width; x += height) {
            mw::FillSolid(dc, {x, 0, x + height, height}, static_cast<cl::TColor>((x / height) % 2 ? kBlue : kRed));
            SetPixel(dc, x, height - 1, kOlive);
        }
    }
    DeleteDC(dc);
    return bitmap;
}

// A 24-bit bitmap file of one pixel colour, as a form resource would carry it.
std::vector<uint8_t> BitmapFile(int width, int height, COLORREF color) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<uint8_t> file(14 + 40 + static_cast<size_t>(stride) * height);
    BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(file.size()), 0, 0, 54};
    BITMAPINFOHEADER info{40, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    memcpy(file.data(), &header, 14);
    memcpy(file.data() + 14, &info, 40);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = file.data() + 54 + y * stride + x * 3;
            pixel[0] = GetBValue(color);
            pixel[1] = GetGValue(color);
            pixel[2] = GetRValue(color);
        }
    return file;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string text;
    char digits[3];
    for (uint8_t b : bytes) {
        std::snprintf(digits, sizeof(digits), "%02X", b);
        text += digits;
    }
    return text;
}

class BitBtnTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cl::TClassRegistry::Register(TMwBitBtn::StaticClass()); }
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 300, 200);
        button = new TMwBitBtn(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 75, 25);
        form->Show();
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwBitBtn* button = nullptr;
};

TEST_F(BitBtnTest, EveryKindBringsItsGlyphCaptionAndRole) {
    struct Case {
        TBitBtnKind kind;
        const char* caption;
        int modalResult;
        bool isDefault, isCancel;
    };
    const Case cases[] = {
        {TBitBtnKind::OK, "OK", cl::mrOk, true, false},       {TBitBtnKind::Cancel, "Cancel", cl::mrCancel, false, true},
        {TBitBtnKind::Help, "&Help", 0, false, false},        {TBitBtnKind::Yes, "&Yes", cl::mrYes, true, false},
        {TBitBtnKind::No, "&No", cl::mrNo, false, true},      {TBitBtnKind::Close, "&Close", 0, false, false},
        {TBitBtnKind::Abort, "Abort", cl::mrAbort, false, false}, {TBitBtnKind::Retry, "&Retry", cl::mrRetry, false, false},
        {TBitBtnKind::Ignore, "&Ignore", cl::mrIgnore, false, false}, {TBitBtnKind::All, "&All", cl::mrAll, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        button->SetKind(c.kind);
        EXPECT_EQ(button->Kind(), c.kind);
        EXPECT_EQ(button->Caption(), c.caption);
        EXPECT_EQ(button->ModalResult(), c.modalResult);
        EXPECT_EQ(button->Default(), c.isDefault);
        EXPECT_EQ(button->Cancel(), c.isCancel);
        EXPECT_EQ(button->Glyph().Width(), 32) << "the program's resource, two images";
        EXPECT_EQ(button->Glyph().Height(), 16);
        EXPECT_EQ(button->NumGlyphs(), 2);
    }
}

TEST_F(BitBtnTest, AKindLastsUntilTheButtonIsChangedAwayFromIt) {
    button->SetKind(TBitBtnKind::OK);
    const cl::TBitmapHandle strip = Strip(16, 16);
    button->SetGlyph(strip.Get());
    EXPECT_EQ(button->Kind(), TBitBtnKind::Custom) << "another glyph";
    button->SetDefault(true);
    EXPECT_EQ(button->Kind(), TBitBtnKind::Custom) << "stays custom";

    button->SetKind(TBitBtnKind::Cancel);
    button->SetModalResult(cl::mrOk);
    EXPECT_EQ(button->Kind(), TBitBtnKind::Custom);

    button->SetKind(TBitBtnKind::Yes);
    button->SetKind(TBitBtnKind::Custom);
    EXPECT_EQ(button->Caption(), "&Yes") << "custom keeps caption and glyph";
    EXPECT_EQ(button->Glyph().Width(), 32);
}

TEST_F(BitBtnTest, GlyphWidthSetsTheNumberOfImages) {
    struct Case {
        int width;
        int expected;
    };
    for (const Case& c : {Case{48, 3}, Case{80, 1}, Case{40, 1}, Case{32, 2}, Case{40, 2}}) {
        const cl::TBitmapHandle strip = Strip(c.width, 16);
        button->SetGlyph(strip.Get());
        EXPECT_EQ(button->NumGlyphs(), c.expected) << c.width << " x 16";
    }
}

TEST_F(BitBtnTest, DisabledButtonDrawsTheSecondImageOnlyWhenItHasOne) {
    const cl::TBitmapHandle strip = Strip(32, 16);
    button->SetGlyph(strip.Get());
    // Margin 2 at the left of the caption rectangle (5, 5, 70, 20): the glyph is at (7, 5).
    struct Case {
        bool enabled;
        int numGlyphs;
        COLORREF expected;
    };
    for (const Case& c : {Case{true, 2, kRed}, Case{false, 2, kBlue}, Case{false, 1, kRed}}) {
        button->SetEnabled(c.enabled);
        button->SetNumGlyphs(c.numGlyphs);
        TPaintSurface s(75, 25);
        s.EraseAndPaint(*button);
        EXPECT_EQ(s.At(12, 12), c.expected) << c.enabled << " " << c.numGlyphs;
        EXPECT_EQ(s.At(7, 20), s.At(6, 20)) << "the lower-left colour is left out";
    }
    TPaintSurface single(75, 25);
    single.EraseAndPaint(*button);
    EXPECT_EQ(single.At(30, 12), kBlue) << "one image: the whole strip";
}

TEST_F(BitBtnTest, ImageListEntriesStandInForTheGlyph) {
    auto* images = new cl::TImageList(form);
    const cl::TBitmapHandle strip = Strip(32, 16);
    images->AddMasked(strip.Get(), static_cast<cl::TColor>(kOlive));
    button->SetImages(images);
    button->SetImageIndex(0);
    button->SetDisabledIndex(1);
    struct Case {
        bool enabled;
        COLORREF expected;
    };
    for (const Case& c : {Case{true, kRed}, Case{false, kBlue}}) {
        button->SetEnabled(c.enabled);
        TPaintSurface s(75, 25);
        s.EraseAndPaint(*button);
        EXPECT_EQ(s.At(12, 12), c.expected) << c.enabled;
    }
    delete images;
    EXPECT_EQ(button->Images(), nullptr) << "a freed list is let go";
    TPaintSurface s(75, 25);
    s.EraseAndPaint(*button);
    EXPECT_NE(s.At(12, 12), kBlue);
}

// Counts its paints, to show when the button repaints.
class TCountingBitBtn : public TMwBitBtn {
public:
    using TMwBitBtn::TMwBitBtn;
    int paints = 0;

protected:
    void Paint(cl::TCanvas& canvas) override {
        ++paints;
        TMwBitBtn::Paint(canvas);
    }
};

TEST_F(BitBtnTest, AChangeOfItsImageListRepaintsTheButtonAtOnce) {
    auto* counting = new TCountingBitBtn(form);
    counting->SetParent(form);
    counting->SetBounds(100, 10, 75, 25);
    auto* first = new cl::TImageList(form);
    auto* second = new cl::TImageList(form);
    const cl::TBitmapHandle strip = Strip(32, 16);
    counting->SetImages(first);
    counting->SetImageIndex(0);
    counting->Update();

    const auto paintsAfterAChangeOf = [&](cl::TImageList* list) {
        counting->paints = 0;
        list->AddMasked(strip.Get(), static_cast<cl::TColor>(kOlive));
        return counting->paints;  // without a message loop in between
    };
    EXPECT_EQ(paintsAfterAChangeOf(first), 1);
    counting->SetImages(second);
    counting->Update();
    EXPECT_EQ(paintsAfterAChangeOf(first), 0) << "the list given up";
    EXPECT_EQ(paintsAfterAChangeOf(second), 1);
}

TEST_F(BitBtnTest, FormResourceSetsKindGlyphAndRetiredProperties) {
    const std::string glyph = Hex(BitmapFile(16, 16, kBlue));
    auto* dialog = new cl::TForm(&app);
    cl::ReadFormResource(*dialog,
                         "object Dialog: TForm\n"
                         "  object Save: TMwBitBtn\n"
                         "    Caption = \"Save\"\n"
                         "    Kind = bkOK\n"
                         "    FrameFlat = True\n"
                         "    Layout = blGlyphRight\n"
                         "  end\n"
                         "  object Go: TMwBitBtn\n"
                         "    Caption = \"Go\"\n"
                         "    Glyph = {" + glyph + "}\n"
                         "    NumGlyphs = 2\n"
                         "  end\n"
                         "end\n",
                         "DIALOG");
    auto* save = dynamic_cast<TMwBitBtn*>(dialog->FindComponent("Save"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->Caption(), "Save") << "a caption read before the kind stays";
    EXPECT_EQ(save->Kind(), TBitBtnKind::OK);
    EXPECT_TRUE(save->Default());
    EXPECT_TRUE(save->HotTrack());
    EXPECT_TRUE(save->Transparent());
    EXPECT_EQ(save->Layout(), TButtonLayout::GlyphRight);
    auto* go = dynamic_cast<TMwBitBtn*>(dialog->FindComponent("Go"));
    ASSERT_NE(go, nullptr);
    EXPECT_EQ(go->Glyph().Width(), 16);
    EXPECT_EQ(go->NumGlyphs(), 2);

    std::vector<uint8_t> truncated = BitmapFile(16, 16, kBlue);
    truncated.resize(truncated.size() - 1);
    auto* broken = new cl::TForm(&app);
    try {
        cl::ReadFormResource(*broken, "object Dialog: TForm\n  object Go: TMwBitBtn\n    Glyph = {" + Hex(truncated) + "}\n  end\nend\n",
                             "DIALOG");
        ADD_FAILURE() << "a truncated bitmap was read";
    } catch (const cl::EFormReadError& e) {
        EXPECT_NE(std::string(e.what()).find("Bitmap image is not valid"), std::string::npos) << e.what();
    }
}

}  // namespace
