#include <gtest/gtest.h>

#include "classlib/core/FormReader.h"
#include "classlib/tests/win/PumpMessages.h"
#include "classlib/win/Application.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Form.h"
#include "classlib/win/Panel.h"
#include "classlib/win/RegisterClasses.h"

namespace {

// Paints in two steps, red all over and then green, and counts where its erases and paints
// went: to the window or to an off-screen (memory) device context.
class TTwoStepControl : public cl::TCustomControl {
public:
    using cl::TCustomControl::TCustomControl;
    int paints = 0, offScreenPaints = 0, erases = 0, offScreenErases = 0;

protected:
    void Paint(cl::TCanvas& canvas) override {
        ++paints;
        if (GetObjectType(canvas.Handle()) == OBJ_MEMDC) ++offScreenPaints;
        canvas.SetBrushColor(cl::clRed);
        canvas.FillRect(ClientRect());
        canvas.SetBrushColor(cl::clLime);
        canvas.FillRect(ClientRect());
    }
    void WndProc(cl::TMessage& m) override {
        if (m.msg == WM_ERASEBKGND) {
            ++erases;
            if (GetObjectType(reinterpret_cast<HDC>(m.wParam)) == OBJ_MEMDC) ++offScreenErases;
        }
        cl::TCustomControl::WndProc(m);
    }
};

class DoubleBufferedTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cl::RegisterClassLibrary(); }
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 300, 200);
        control = new TTwoStepControl(form);
        control->SetBounds(10, 10, 60, 40);
        control->SetParent(form);
    }
    COLORREF WindowPixel(int x, int y) {
        HDC dc = GetDC(control->Handle());
        const COLORREF pixel = GetPixel(dc, x, y);
        ReleaseDC(control->Handle(), dc);
        return pixel;
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TTwoStepControl* control = nullptr;
};

TEST_F(DoubleBufferedTest, EraseAndPaintGoOffScreenAndOnlyTheFinishedImageReachesTheWindow) {
    for (const bool buffered : {false, true}) {
        control->SetDoubleBuffered(buffered);
        form->Show();
        control->paints = control->offScreenPaints = control->erases = control->offScreenErases = 0;
        control->Repaint();
        ASSERT_TRUE(test::PumpMessagesUntil([&] { return control->paints > 0; })) << buffered;
        EXPECT_EQ(control->offScreenPaints, buffered ? control->paints : 0) << buffered;
        EXPECT_EQ(control->offScreenErases, buffered ? control->erases : 0) << buffered;
        EXPECT_EQ(WindowPixel(5, 5), RGB(0, 255, 0)) << buffered;
        EXPECT_EQ(WindowPixel(59, 39), RGB(0, 255, 0)) << buffered;
    }
}

// A see-through child paints its parent's image behind itself by sending the parent an erase
// and a paint into its own device context: a double-buffered parent must not skip that erase.
TEST_F(DoubleBufferedTest, AnEraseIntoAnotherDeviceContextStillPaints) {
    control->SetDoubleBuffered(true);
    control->SetColor(cl::clBlue);
    form->Show();
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 60, 40);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    EXPECT_NE(SendMessageA(control->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0), 0);
    EXPECT_EQ(GetPixel(memory, 30, 20), RGB(0, 0, 255));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(DoubleBufferedTest, TheSettingIsReadFromFormResources) {
    auto* read = new cl::TForm(&app);
    cl::ReadFormResource(*read, "object Form: TForm\n  object Buffered: TPanel\n    DoubleBuffered = True\n  end\n  object Plain: TPanel\n  end\nend\n",
                         "Form");
    EXPECT_TRUE(dynamic_cast<cl::TControl*>(read->FindComponent("Buffered"))->DoubleBuffered());
    EXPECT_FALSE(dynamic_cast<cl::TControl*>(read->FindComponent("Plain"))->DoubleBuffered());
}

}  // namespace
