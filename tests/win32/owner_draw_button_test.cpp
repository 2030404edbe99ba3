#include "win/owner_draw_button.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/panel/button_shades.h"
#include "core/panel/colors.h"
#include "support/wine_test_support.h"

namespace {

constexpr int W = 60;
constexpr int H = 24;

class OwnerDrawButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        host_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
        // As the panel's template makes its buttons.
        control_ = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0,
                                   W, H, host_, nullptr, nullptr, nullptr);
        ASSERT_NE(control_, nullptr);
    }
    void TearDown() override { DestroyWindow(host_); }

    bool Paint(Canvas& canvas, UINT state)
    {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = control_;
        item.hDC = canvas.dc();
        item.itemState = state;
        item.rcItem = RECT{0, 0, W, H};
        DrawOwnerDrawButton(item, face_, RGB(0, 0, 0));
        return true;
    }

    HWND host_ = nullptr;
    HWND control_ = nullptr;
    COLORREF face_ = COLOR_PANEL;
};

TEST_F(OwnerDrawButtonTest, RaisedButtonShowsTwoRingsAroundTheFace)
{
    face_ = COLOR_ON;
    Canvas canvas(W, H);
    ASSERT_TRUE(Paint(canvas, 0));
    const COLORREF outerLight = BevelLightColour(COLOR_ON, 0, 2);
    const COLORREF innerLight = BevelLightColour(COLOR_ON, 1, 2);
    const COLORREF outerDark = BevelDarkColour(COLOR_ON, 0, 2);
    const COLORREF innerDark = BevelDarkColour(COLOR_ON, 1, 2);
    EXPECT_EQ(canvas.Pixel(0, 0), outerLight);
    EXPECT_EQ(canvas.Pixel(W / 2, 0), outerLight);
    EXPECT_EQ(canvas.Pixel(0, H / 2), outerLight);
    EXPECT_EQ(canvas.Pixel(1, 1), innerLight);
    EXPECT_EQ(canvas.Pixel(W / 2, 1), innerLight);
    EXPECT_EQ(canvas.Pixel(W / 2, H - 1), outerDark);
    EXPECT_EQ(canvas.Pixel(W - 1, H / 2), outerDark);
    EXPECT_EQ(canvas.Pixel(W / 2, H - 2), innerDark);
    EXPECT_EQ(canvas.Pixel(W - 2, H / 2), innerDark);
    // The face is the toggle's ON pink.
    EXPECT_EQ(canvas.Pixel(5, 5), RGB(251, 215, 223)) << ColourText(canvas.Pixel(5, 5));
    EXPECT_EQ(canvas.Pixel(W - 5, H - 5), COLOR_ON);
}

TEST_F(OwnerDrawButtonTest, PressedWithoutFocusLooksRaised)
{
    face_ = COLOR_PANEL;
    Canvas plain(W, H), pressed(W, H);
    ASSERT_TRUE(Paint(plain, 0));
    ASSERT_TRUE(Paint(pressed, ODS_SELECTED));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) ASSERT_EQ(plain.Pixel(x, y), pressed.Pixel(x, y)) << x << "," << y;
}

TEST_F(OwnerDrawButtonTest, PressedWithFocusIsSunken)
{
    face_ = COLOR_PANEL;
    Canvas canvas(W, H);
    ASSERT_TRUE(Paint(canvas, ODS_SELECTED | ODS_FOCUS));
    const COLORREF shadow = RGB(121, 117, 108);
    EXPECT_EQ(canvas.Pixel(W / 2, 0), shadow);
    EXPECT_EQ(canvas.Pixel(0, H / 2), shadow);
    EXPECT_EQ(canvas.Pixel(W / 2, H - 1), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(W - 1, H / 2), RGB(255, 255, 255));
}

TEST_F(OwnerDrawButtonTest, DisabledCaptionIsEmbossed)
{
    face_ = COLOR_PANEL;
    SetWindowTextA(control_, "■■■");
    Canvas canvas(W, H);
    ASSERT_TRUE(Paint(canvas, ODS_DISABLED));
    const COLORREF grey = DisabledCaptionColour(COLOR_PANEL);
    ASSERT_EQ(grey, RGB(161, 156, 144));
    // Inside the bevel: the grey caption, and a white copy one pixel down
    // and right whose right and bottom edges stick out beyond the grey.
    int greyRight = -1, greyBottom = -1, whiteRight = -1, whiteBottom = -1, greyPixels = 0;
    for (int y = 2; y < H - 2; ++y) {
        for (int x = 2; x < W - 2; ++x) {
            const COLORREF c = canvas.Pixel(x, y);
            if (c == grey) {
                ++greyPixels;
                greyRight = std::max(greyRight, x);
                greyBottom = std::max(greyBottom, y);
            } else if (c == RGB(255, 255, 255)) {
                whiteRight = std::max(whiteRight, x);
                whiteBottom = std::max(whiteBottom, y);
            }
        }
    }
    EXPECT_GT(greyPixels, 10);
    EXPECT_EQ(whiteRight, greyRight + 1);
    EXPECT_EQ(whiteBottom, greyBottom + 1);
}

TEST_F(OwnerDrawButtonTest, LongCaptionIsClippedNotWrapped)
{
    face_ = COLOR_PANEL;
    SetWindowTextA(control_, "■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■■");
    Canvas canvas(W * 2, H * 3, RGB(1, 2, 3));
    ASSERT_TRUE(Paint(canvas, 0));
    // Nothing outside the button's client rectangle is touched.
    for (int y = 0; y < H * 3; ++y)
        for (int x = 0; x < W * 2; ++x)
            if (x >= W || y >= H) {
                ASSERT_EQ(canvas.Pixel(x, y), RGB(1, 2, 3)) << x << "," << y;
            }
}

TEST(DrawLineSegment, LeavesTheEndPointUnpainted)
{
    Canvas canvas(10, 3, RGB(0, 0, 0));
    DrawLineSegment(canvas.dc(), 1, 1, 6, 1, RGB(10, 20, 30));
    EXPECT_EQ(canvas.Pixel(0, 1), RGB(0, 0, 0));
    for (int x = 1; x < 6; ++x) EXPECT_EQ(canvas.Pixel(x, 1), RGB(10, 20, 30)) << x;
    EXPECT_EQ(canvas.Pixel(6, 1), RGB(0, 0, 0));
}

}  // namespace
