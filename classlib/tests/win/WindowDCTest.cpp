#include <gtest/gtest.h>

#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/Handles.h"
#include "classlib/win/RegisterClasses.h"

namespace {

class WindowDCTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cl::RegisterClassLibrary(); }
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(40, 40, 200, 150);
        form->Show();
        UpdateWindow(form->Handle());
    }
    // Where the client area starts, counted from the window's top left corner.
    POINT ClientOrigin() const {
        RECT window;
        GetWindowRect(form->Handle(), &window);
        POINT origin{0, 0};
        ClientToScreen(form->Handle(), &origin);
        return {origin.x - window.left, origin.y - window.top};
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
};

// A pixel set at (0, 0) of each area's device context lands at that area's origin in the
// whole window: inside the frame for the client area, on the frame for the whole window.
TEST_F(WindowDCTest, EachAreaDrawsFromItsOwnOrigin) {
    const POINT client = ClientOrigin();
    ASSERT_GT(client.x, 0);
    ASSERT_GT(client.y, 0);
    struct Case {
        cl::TWindowDC::TArea area;
        POINT expected;
        COLORREF color;
    };
    for (const Case& c : {Case{cl::TWindowDC::TArea::Client, client, RGB(255, 0, 0)},
                          Case{cl::TWindowDC::TArea::Whole, POINT{0, 0}, RGB(0, 0, 255)}}) {
        {
            const cl::TWindowDC dc(form->Handle(), c.area);
            ASSERT_NE(dc.Handle(), nullptr);
            SetPixel(dc.Handle(), 0, 0, c.color);
        }
        const cl::TWindowDC whole(form->Handle(), cl::TWindowDC::TArea::Whole);
        EXPECT_EQ(GetPixel(whole.Handle(), c.expected.x, c.expected.y), c.color) << static_cast<int>(c.area);
    }
}

}  // namespace
