// The in-process Win32 tests run the program's own procedures: the frame is
// created exactly as the program creates it, from this test program's
// resources (which are the program's).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>


int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    return RUN_ALL_TESTS();
}
