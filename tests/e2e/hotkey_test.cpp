#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "core/panel/panel_messages.h"
#include "e2e/e2e_fixture.h"
#include "res/resource.h"

namespace {

std::string KeyName(UINT vk)
{
    char name[32] = "";
    GetKeyNameTextA(static_cast<LONG>(MapVirtualKeyA(vk, 0) << 16), name, sizeof name);
    return name;
}

BOOL CALLBACK FindText(HWND child, LPARAM data)
{
    auto* wanted = reinterpret_cast<std::pair<std::string, bool>*>(data);
    if (RemoteText(child) == wanted->first) {
        wanted->second = true;
        return FALSE;
    }
    return TRUE;
}

bool HasChildWithText(HWND window, const std::string& text)
{
    std::pair<std::string, bool> wanted(text, false);
    EnumChildWindows(window, FindText, reinterpret_cast<LPARAM>(&wanted));
    return wanted.second;
}

class HotkeyTest : public ProgramTest {
protected:
    std::string Caption(int id) { return RemoteText(program_.Control(id)); }

    HWND OpenDialog(int buttonId)
    {
        PostMessageA(program_.panel(), WM_COMMAND, buttonId, 0);
        return WaitForProcessWindow(program_.processId(), "#32770", "ホットキーの設定");
    }
    // Sets the dialog's hotkey control and presses OK or CANCEL.
    void Finish(HWND dialog, WORD value, int button)
    {
        SendDlgItemMessageA(dialog, IDC_HOTKEY_EDIT, HKM_SETHOTKEY, value, 0);
        PostMessageA(dialog, WM_COMMAND, button, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
    bool TestCanRegister(UINT modifiers, UINT vk)
    {
        if (!RegisterHotKey(nullptr, 77, modifiers, vk)) return false;
        UnregisterHotKey(nullptr, 77);
        return true;
    }
};

TEST_F(HotkeyTest, ButtonsShowTheDefaultCombinationsByTheLayoutsKeyNames)
{
    EXPECT_EQ(Caption(IDC_HOTKEY_LEFT), "Ctrl + " + KeyName('L'));
    EXPECT_EQ(Caption(IDC_HOTKEY_RIGHT), "Ctrl + " + KeyName('R'));
    EXPECT_EQ(Caption(IDC_HOTKEY_CONCEAL), "Ctrl + " + KeyName('H'));
    EXPECT_EQ(Caption(IDC_HOTKEY_CAPTURE), "Ctrl + " + KeyName('I'));
    EXPECT_EQ(Caption(IDC_HOTKEY_MACRO1), KeyName(VK_F1));
    EXPECT_EQ(Caption(IDC_HOTKEY_MACRO3), KeyName(VK_F3));
    EXPECT_EQ(Caption(IDC_HOTKEY_STOP), "Ctrl + " + KeyName('S'));
    EXPECT_EQ(Caption(IDC_HOTKEY_SHOWHIDE), "Ctrl + " + KeyName('J'));
    EXPECT_FALSE(KeyName(VK_F1).empty());
}

TEST_F(HotkeyTest, OkStoresTheNewCombinationWhichFiresInsteadOfTheOld)
{
    HWND dialog = OpenDialog(IDC_HOTKEY_LEFT);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_HOTKEY_EDIT, HKM_GETHOTKEY, 0, 0),
              MAKEWORD('L', HOTKEYF_CONTROL));
    Finish(dialog, MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT), IDOK);
    EXPECT_EQ(Caption(IDC_HOTKEY_LEFT), "Ctrl + Shift + " + KeyName('K'));
    EXPECT_TRUE(TestCanRegister(MOD_CONTROL, 'L'));
    EXPECT_FALSE(TestCanRegister(MOD_CONTROL | MOD_SHIFT, 'K'));

    TestWindow target("keys go here", 40, 40);
    ASSERT_TRUE(target.TakeForeground());
    PressCombination({VK_CONTROL}, 'L');
    EXPECT_TRUE(StaysTrue([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));
    PressCombination({VK_CONTROL, VK_SHIFT}, 'K');
    EXPECT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "ON"; }));
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    EXPECT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));
}

TEST_F(HotkeyTest, CancelKeepsAndReRegistersTheOldCombination)
{
    HWND dialog = OpenDialog(IDC_HOTKEY_CAPTURE);
    ASSERT_NE(dialog, nullptr);
    Finish(dialog, MAKEWORD('Q', HOTKEYF_ALT), IDCANCEL);
    EXPECT_EQ(Caption(IDC_HOTKEY_CAPTURE), "Ctrl + " + KeyName('I'));
    EXPECT_FALSE(TestCanRegister(MOD_CONTROL, 'I'));
    EXPECT_TRUE(TestCanRegister(MOD_ALT, 'Q'));
}

TEST_F(HotkeyTest, CombinationOfAnotherRecordIsRefusedAndTheCaptionStays)
{
    HWND dialog = OpenDialog(IDC_HOTKEY_RIGHT);
    ASSERT_NE(dialog, nullptr);
    Finish(dialog, MAKEWORD('L', HOTKEYF_CONTROL), IDOK);
    HWND box = WaitForProcessWindow(program_.processId(), "#32770", "Error");
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_TRUE(HasChildWithText(box, "RegisterHotKey"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(Caption(IDC_HOTKEY_RIGHT), "Ctrl + " + KeyName('R'));
    // The record keeps its combination, registered and saved as before.
    EXPECT_FALSE(TestCanRegister(MOD_CONTROL, 'R'));
    EXPECT_EQ(program_.Close(), 0u);
    const std::vector<std::uint8_t> ini = ReadWholeFile(program_.folder().File("ini.dat"));
    ASSERT_GE(ini.size(), 293u + 80u);
    EXPECT_EQ(ini[293 + 40 + 32], 2) << "modifiers of the right repeater's record";
    EXPECT_EQ(ini[293 + 40 + 36], 'R') << "its key";
}

TEST_F(HotkeyTest, WhileTheDialogIsOpenTheKeyFieldTakesAnyCombinationAndNoHotkeyFires)
{
    HWND dialog = OpenDialog(IDC_HOTKEY_LEFT);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] {
        SetForegroundWindow(dialog);
        return GetForegroundWindow() == dialog;
    }));
    // Ctrl+H is the concealment's: typed here it must land in the field.
    PressCombination({VK_CONTROL}, 'H');
    EXPECT_TRUE(WaitUntil([&] {
        return SendDlgItemMessageA(dialog, IDC_HOTKEY_EDIT, HKM_GETHOTKEY, 0, 0) ==
               MAKEWORD('H', HOTKEYF_CONTROL);
    }));
    EXPECT_TRUE(StaysTrue([&] { return IsWindowVisible(program_.frame()) != FALSE; }));
    EXPECT_TRUE(TestCanRegister(MOD_CONTROL, 'H')) << "released while the dialog is open";
    // OK: Ctrl+H belongs to the concealment, so it is refused for this record.
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    HWND box = WaitForProcessWindow(program_.processId(), "#32770", "Error");
    ASSERT_NE(box, nullptr) << "no error box";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) && !IsWindow(dialog); }));
    EXPECT_EQ(Caption(IDC_HOTKEY_LEFT), "Ctrl + " + KeyName('L'));
    EXPECT_FALSE(TestCanRegister(MOD_CONTROL, 'H'));
    EXPECT_FALSE(TestCanRegister(MOD_CONTROL, 'L'));
}

TEST_F(HotkeyTest, NoClicksWhileTheDialogIsOpen)
{
    TestWindow target("click target", 40, 40);
    SetRemoteText(program_.Control(IDC_LEFT_INTERVAL), "10");
    ASSERT_TRUE(target.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return target.clicks().size() >= 2; }));

    HWND dialog = OpenDialog(IDC_HOTKEY_MACRO2);
    ASSERT_NE(dialog, nullptr);
    // The tray menu opened and closed meanwhile leaves the gate closed too.
    PostMessageA(program_.panel(), WMU_TRAYNOTIFY, 1, WM_RBUTTONDOWN);
    HWND menu = WaitForProcessWindow(program_.processId(), "#32768", "");
    ASSERT_NE(menu, nullptr);
    PostMessageA(program_.panel(), WM_CANCELMODE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));
    ASSERT_TRUE(target.TakeForeground());
    PumpMessages();
    const std::string before = target.clicks();
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return target.clicks() == before; }));
    Finish(dialog, MAKEWORD(VK_F2, 0), IDOK);
    ASSERT_TRUE(target.TakeForeground());
    EXPECT_TRUE(WaitUntil([&] { return target.clicks().size() >= before.size() + 2; }));
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));
}

TEST_F(HotkeyTest, AnyNumberOfHotkeysCanBeClearedAndEachKeyIsFree)
{
    const std::string disabled = "ﾎｯﾄｷｰ：無効";
    auto clear = [&](int button) {
        HWND dialog = OpenDialog(button);
        ASSERT_NE(dialog, nullptr);
        Finish(dialog, 0, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return Caption(button) == disabled; })) << button;
        EXPECT_EQ(WaitForProcessWindow(program_.processId(), "#32770", "Error", 300), nullptr);
    };
    clear(IDC_HOTKEY_CONCEAL);
    clear(IDC_HOTKEY_CAPTURE);
    EXPECT_TRUE(TestCanRegister(MOD_CONTROL, 'H'));
    EXPECT_TRUE(TestCanRegister(MOD_CONTROL, 'I'));
    // Cleared keys stay off after a restart, and yet another can be cleared.
    ASSERT_EQ(program_.Close(), 0u);
    ASSERT_TRUE(program_.Start());
    EXPECT_EQ(Caption(IDC_HOTKEY_CONCEAL), disabled);
    clear(IDC_HOTKEY_SHOWHIDE);
    EXPECT_TRUE(TestCanRegister(MOD_CONTROL, 'J'));
}

}  // namespace

namespace {

TEST(HotkeyStartTest, ACombinationAnotherProgramHoldsIsToldOnceByItsCaptionAndKept)
{
    ASSERT_EQ(CountProgramFrames(), 0);
    // Another program holds Ctrl+L, the left repeater's, before the start.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL, 'L'));
    ProgramUnderTest program;
    ASSERT_TRUE(program.Start()) << program.StartFailure();
    HWND box = WaitForProcessWindow(program.processId(), "#32770", "PLOVNIKAR");
    UnregisterHotKey(nullptr, 1);
    ASSERT_NE(box, nullptr) << "the player is not told";
    const std::string text = ChildTexts(box);
    EXPECT_NE(text.find("\nCtrl + L\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Ctrl + R"), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(StaysTrue([&] { return !ProcessWindow(program.processId(), "#32770"); }));
    // The setting stays: the button shows it, and the next start registers it.
    EXPECT_EQ(RemoteText(program.Control(IDC_HOTKEY_LEFT)), "Ctrl + L");
    EXPECT_EQ(program.Close(), 0u);
    ASSERT_TRUE(program.Start()) << program.StartFailure();
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL, 'L')) << "not registered at the next start";
    EXPECT_TRUE(StaysTrue([&] { return !ProcessWindow(program.processId(), "#32770"); }));
}

}  // namespace
