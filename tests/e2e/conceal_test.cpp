// The concealment used from outside, on windows of another process: the
// hotkey, the tray's commands, the hidden-window dialog, the program's exit
// and a start after the program was killed.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/conceal/recovery_list.h"
#include "e2e/e2e_fixture.h"
#include "support/concealable.h"
#include "e2e/window_owner.h"
#include "support/test_window.h"
#include "res/resource.h"

namespace {

const char DIALOG_TITLE[] = "非表示状態のウィンド";
constexpr int KEY_A = 1063;

bool Contains(const std::vector<HWND>& windows, HWND window)
{
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

bool AllHidden(const std::vector<HWND>& windows)
{
    for (HWND w : windows)
        if (IsWindowVisible(w)) return false;
    return true;
}

// Visible, or gone.
bool AllBack(const std::vector<HWND>& windows)
{
    for (HWND w : windows)
        if (IsWindow(w) && !IsWindowVisible(w)) return false;
    return true;
}

std::vector<std::string> Sorted(std::vector<std::string> texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

// The lines of the hidden-window dialog's list, read across the process
// boundary with the wide message that Wine marshals.
std::vector<std::string> ListLines(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_HIDDEN_LIST);
    std::vector<std::string> lines;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[300] = L"";
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char text[600] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        lines.push_back(text);
    }
    return lines;
}

LRESULT LineCount(HWND dialog) { return SendDlgItemMessageA(dialog, IDC_HIDDEN_LIST, LB_GETCOUNT, 0, 0); }
LRESULT SelectedLine(HWND dialog)
{
    return SendDlgItemMessageA(dialog, IDC_HIDDEN_LIST, LB_GETCURSEL, 0, 0);
}
void SelectLine(HWND dialog, LRESULT line)
{
    SendDlgItemMessageA(dialog, IDC_HIDDEN_LIST, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}
// The dialog has dealt with a line: `count` lines are left and one of them is
// selected again (the line goes first, the selection comes last).
bool LinesSettled(HWND dialog, LRESULT count)
{
    return WaitUntil([&] { return LineCount(dialog) == count && SelectedLine(dialog) != LB_ERR; });
}

void Press(HWND dialog, int button)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

// The titles in `lines` of the log after `from` that end in " <what>".
std::vector<std::string> Events(const std::vector<std::string>& log, std::size_t from,
                                const std::string& what)
{
    std::vector<std::string> titles;
    const std::string suffix = " " + what;
    for (std::size_t i = from; i < log.size(); ++i) {
        const std::string& line = log[i];
        if (line.size() > suffix.size() &&
            line.compare(line.size() - suffix.size(), suffix.size(), suffix) == 0)
            titles.push_back(line.substr(0, line.size() - suffix.size()));
    }
    return titles;
}

class ConcealmentTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        if (HasFatalFailure()) return;
        owner_ = std::make_unique<WindowOwner>(program_.folder().path());
        ASSERT_TRUE(owner_->Started()) << "the helper's windows did not appear";
        concealable_ = ConcealableWindows();
        for (HWND w : {program_.frame(), owner_->normal, owner_->maximised, owner_->minimised})
            ASSERT_TRUE(Contains(concealable_, w)) << RemoteText(w);
        ASSERT_FALSE(Contains(concealable_, owner_->untitled));
    }

    void TearDown() override
    {
        // Whatever a test left behind, every window it may have concealed
        // comes back: through the program while it runs, else from here.
        if (program_.process() && program_.panel() && program_.WaitForExit(0) == STILL_ACTIVE) {
            PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
            WaitUntil([&] { return AllBack(concealable_); }, std::chrono::seconds(5));
        }
        for (HWND w : concealable_)
            if (IsWindow(w) && !IsWindowVisible(w)) ShowWindow(w, SW_SHOWNA);
        owner_.reset();
    }

    // Ctrl+H, the default hotkey of the concealment, then the wait for it.
    ::testing::AssertionResult Conceal(const std::vector<HWND>& expectedHidden)
    {
        PressCombination({VK_CONTROL}, 'H');
        if (WaitUntil([&] { return AllHidden(expectedHidden); })) return ::testing::AssertionSuccess();
        auto failure = ::testing::AssertionFailure() << "still visible:";
        for (HWND w : expectedHidden)
            if (IsWindowVisible(w)) failure << " \"" << RemoteText(w) << "\"";
        return failure;
    }

    void ExpectShowStatesBack()
    {
        EXPECT_TRUE(WaitUntil([&] { return AllBack(concealable_); }));
        EXPECT_TRUE(IsZoomed(owner_->maximised));
        EXPECT_TRUE(IsIconic(owner_->minimised));
        if (IsWindow(owner_->normal)) {
            EXPECT_FALSE(IsZoomed(owner_->normal) || IsIconic(owner_->normal));
        }
        EXPECT_TRUE(IsWindowVisible(owner_->untitled));
    }

    std::vector<std::string> TitlesOf(const std::vector<HWND>& windows)
    {
        std::vector<std::string> titles;
        for (HWND w : windows) titles.push_back(RemoteText(w));
        return titles;
    }

    HWND OpenDialog()
    {
        PostMessageA(program_.panel(), WM_COMMAND, IDM_HIDDEN_DIALOG, 0);
        return WaitForProcessWindow(program_.processId(), "#32770", DIALOG_TITLE);
    }

    // Dialogs of the program with the hidden-window dialog's title.
    int DialogCount()
    {
        struct Search { DWORD processId; int count; } search = {program_.processId(), 0};
        EnumWindows(
            [](HWND w, LPARAM data) CALLBACK -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                if (pid == s->processId && IsWindowVisible(w) && RemoteText(w) == DIALOG_TITLE)
                    ++s->count;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.count;
    }

    // The concealed window whose title is `title` now.
    HWND WindowTitled(const std::string& title)
    {
        for (HWND w : concealable_)
            if (IsWindow(w) && RemoteText(w) == title) return w;
        return nullptr;
    }

    std::string RecoveryFile() const { return program_.folder().File("hidden.dat"); }

    // `window` in front, from this process, as a click on it would put it.
    bool InFront(HWND window)
    {
        return WaitUntil([&] {
            if (GetForegroundWindow() != window) SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        });
    }

    // The files a run that ended while concealing leaves, listing `windows`
    // of the helper with their show commands.
    std::vector<std::uint8_t> RecoveryBytes(const std::vector<std::pair<HWND, int>>& windows)
    {
        RecoveryState state;
        for (const auto& entry : windows) {
            DWORD processId = 0;
            GetWindowThreadProcessId(entry.first, &processId);
            state.windows.push_back(
                {reinterpret_cast<std::uintptr_t>(entry.first), processId, entry.second});
        }
        return EncodeRecoveryFile(state);
    }

    std::unique_ptr<WindowOwner> owner_;
    std::vector<HWND> concealable_;  // visible and titled when the test began
};

TEST_F(ConcealmentTest, HotkeyHidesTheTitledWindowsAndTrayShowAllRestoresThemFromTheBottomUp)
{
    // The player's game, a window of another program than the helper's and
    // the program's, is in front.
    TestWindow game("game", 40, 40);
    concealable_.push_back(game.handle());
    ASSERT_TRUE(game.TakeForeground());
    const std::size_t logStart = owner_->Log().size();
    ASSERT_TRUE(Conceal(concealable_));
    EXPECT_TRUE(IsWindowVisible(owner_->untitled));
    EXPECT_EQ(program_.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));

    // The helper is busy for a moment and shows its windows after the game.
    PostMessageA(owner_->normal, WM_APP, 300, 0);
    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    ExpectShowStatesBack();
    EXPECT_FALSE(IsIconic(program_.frame()));
    // The game comes back in front, once it has been shown; the windows
    // shown after it do not take the activation from it.
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == game.handle(); }))
        << "in front: \"" << RemoteText(GetForegroundWindow()) << "\"";
    EXPECT_TRUE(StaysTrue([&] { return GetForegroundWindow() == game.handle(); }, 700))
        << "in front: \"" << RemoteText(GetForegroundWindow()) << "\"";

    std::vector<std::string> log;
    ASSERT_TRUE(WaitUntil([&] {
        log = owner_->Log();
        return Events(log, logStart, "show").size() == 3;
    })) << "the helper saw " << Events(log, logStart, "show").size() << " of its windows shown";
    std::vector<std::string> hides = Events(log, logStart, "hide");
    EXPECT_EQ(Sorted(hides), Sorted({"helper maximised", "helper minimised", "helper normal"}));
    // Both from the bottom of the Z-order up.
    EXPECT_EQ(Events(log, logStart, "show"), hides);
}

TEST_F(ConcealmentTest, SecondConcealmentRecordsExactlyTheWindowsVisibleThen)
{
    ASSERT_TRUE(Conceal(concealable_));
    // While concealed, one window goes away and a new one appears.
    PostMessageA(owner_->normal, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(owner_->normal); }));
    TestWindow late("late arrival", 40, 40);
    std::vector<HWND> expected;
    for (HWND w : concealable_)
        if (w != owner_->normal) expected.push_back(w);
    expected.push_back(late.handle());

    ASSERT_TRUE(Conceal(expected));

    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Sorted(ListLines(dialog)), Sorted(TitlesOf(expected)));
    PostMessageA(dialog, WM_COMMAND, IDC_HIDDEN_SHOW_ALL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitUntil([&] { return AllBack(expected); }));
}

TEST_F(ConcealmentTest, AWindowItsOwnProgramHidAfterShowAllStaysHidden)
{
    ASSERT_TRUE(Conceal(concealable_));
    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    ASSERT_TRUE(WaitUntil([&] { return AllBack(concealable_); }));
    const DWORD shownAt = GetTickCount();
    // A launcher hides itself while its game runs, a moment later: a show
    // the program posted counts as pending for two seconds at the most.
    PostMessageA(owner_->normal, WM_APP + 1, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(owner_->normal); }));
    ASSERT_TRUE(WaitUntil([&] { return GetTickCount() - shownAt > 2200; }, std::chrono::seconds(4)));

    std::vector<HWND> rest;
    for (HWND w : concealable_)
        if (w != owner_->normal) rest.push_back(w);
    ASSERT_TRUE(Conceal(rest));
    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    ASSERT_TRUE(WaitUntil([&] { return AllBack(rest); }));
    EXPECT_TRUE(StaysTrue([&] { return !IsWindowVisible(owner_->normal); }))
        << "the window its program hid came back";
    ShowWindow(owner_->normal, SW_SHOWNA);
}

TEST_F(ConcealmentTest, TheTrayStaysInReach)
{
    // Without a desktop, Wine keeps the notification icons in a window of
    // their own; it is the way back and is never concealed.
    HWND tray = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        tray = FindWindowA("__winex11_standalone_tray", nullptr);
        return tray && IsWindowVisible(tray);
    })) << "no tray window for the program's icon";
    ASSERT_TRUE(Conceal(concealable_));
    EXPECT_TRUE(IsWindowVisible(tray));
    EXPECT_FALSE(IsWindowVisible(program_.frame()));
}

TEST_F(ConcealmentTest, ExitWhileConcealedShowsEveryWindowAgain)
{
    ASSERT_TRUE(Conceal(concealable_));
    ASSERT_TRUE(WaitUntil([&] { return GetFileAttributesA(RecoveryFile().c_str()) !=
                                       INVALID_FILE_ATTRIBUTES; }));
    PostMessageA(program_.panel(), WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(program_.WaitForExit(15000), 0u);
    ExpectShowStatesBack();
    EXPECT_EQ(GetFileAttributesA(RecoveryFile().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ConcealmentTest, KilledWhileConcealedTheNextStartShowsTheWindows)
{
    ASSERT_TRUE(Conceal(concealable_));
    ASSERT_NE(GetFileAttributesA(RecoveryFile().c_str()), INVALID_FILE_ATTRIBUTES)
        << "no recovery file beside the program";
    // A second pass while another program holds the file (a scanner): its
    // list is kept all the same.
    HANDLE held = CreateFileA(RecoveryFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TestWindow late("late arrival", 40, 40);
    PostMessageA(program_.panel(), WM_COMMAND, IDC_CONCEAL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(late.handle()); }));
    program_.Kill();
    CloseHandle(held);
    // The helper takes the second pass's show and hide in turn.
    const std::vector<HWND> helperWindows = {owner_->normal, owner_->maximised, owner_->minimised};
    EXPECT_TRUE(WaitUntil([&] { return AllHidden(helperWindows); }));

    ASSERT_TRUE(program_.Start());
    ExpectShowStatesBack();
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(late.handle()) != FALSE; }));
    EXPECT_EQ(GetFileAttributesA(RecoveryFile().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ConcealmentTest, OfTwoRecoveryFilesTheNewerWholeOneAloneCounts)
{
    ASSERT_EQ(program_.Close(), 0u);
    // A run ended while concealing, after a replace that another program
    // kept from happening: the old file still lists both windows, the normal
    // one minimised; the newer, whole record lists the normal one alone.
    ShowWindow(owner_->normal, SW_HIDE);
    ShowWindow(owner_->maximised, SW_HIDE);
    ASSERT_TRUE(WriteWholeFile(RecoveryFile(), RecoveryBytes({{owner_->normal, SW_SHOWMINIMIZED},
                                                              {owner_->maximised, SW_SHOWMAXIMIZED}})));
    ASSERT_TRUE(WriteWholeFile(RecoveryFile() + ".new", RecoveryBytes({{owner_->normal, SW_SHOWNORMAL}})));

    ASSERT_TRUE(program_.Start());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(owner_->normal) != FALSE; }));
    EXPECT_FALSE(IsIconic(owner_->normal)) << "shown as the older file had it";
    EXPECT_TRUE(StaysTrue([&] { return !IsWindowVisible(owner_->maximised); }))
        << "the older file's window, which the newer record no longer lists, was shown";
    ShowWindow(owner_->maximised, SW_SHOWNA);
    EXPECT_TRUE(WaitUntil([&] {
        return GetFileAttributesA(RecoveryFile().c_str()) == INVALID_FILE_ATTRIBUTES &&
               GetFileAttributesA((RecoveryFile() + ".new").c_str()) == INVALID_FILE_ATTRIBUTES;
    }));
}

TEST_F(ConcealmentTest, ARecoveryFileHeldAtStartIsToldAndKeptForTheNextStart)
{
    ASSERT_EQ(program_.Close(), 0u);
    ShowWindow(owner_->normal, SW_HIDE);
    const std::vector<std::uint8_t> stranded = RecoveryBytes({{owner_->normal, SW_SHOWNORMAL}});
    ASSERT_TRUE(WriteWholeFile(RecoveryFile(), stranded));
    // Held all through the start, as a scanner holds it: the player is told
    // which file, and the program never deletes or overwrites it.
    HANDLE hold = CreateFileA(RecoveryFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(program_.Start());
    HWND box = WaitForProcessWindow(program_.processId(), "#32770", WindowsPathOf(RecoveryFile()));
    CloseHandle(hold);
    ASSERT_NE(box, nullptr) << "the player is not told";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_FALSE(IsWindowVisible(owner_->normal));
    ASSERT_EQ(program_.Close(), 0u);
    EXPECT_EQ(ReadWholeFile(RecoveryFile()), stranded);

    // The next start reads it.
    ASSERT_TRUE(program_.Start());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(owner_->normal) != FALSE; }));
    EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesA(RecoveryFile().c_str()) == INVALID_FILE_ATTRIBUTES; }));
}

TEST_F(ConcealmentTest, AProgramThatHasStoppedAnsweringHoldsUpNothing)
{
    const std::vector<HWND> helper = {owner_->normal, owner_->maximised, owner_->minimised};
    auto answers = [](HWND window, UINT milliseconds) {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, milliseconds,
                                   &result) != 0;
    };
    TestWindow bystander("bystander", 40, 40);
    ASSERT_TRUE(bystander.TakeForeground());
    // The helper's thread sleeps: its windows stop answering.
    auto stall = [&] {
        PostMessageA(owner_->normal, WM_APP, 6000, 0);
        return WaitUntil([&] { return !answers(owner_->normal, 100); }, std::chrono::seconds(3));
    };
    ASSERT_TRUE(stall());

    PressCombination({VK_CONTROL}, 'H');
    EXPECT_TRUE(WaitUntil([&] {
        return !IsWindowVisible(program_.frame()) && !IsWindowVisible(bystander.handle());
    }, std::chrono::seconds(3)));
    EXPECT_TRUE(answers(program_.panel(), 1000)) << "the program waits for the stalled one";
    // The stalled windows follow once their program wakes.
    EXPECT_TRUE(WaitUntil([&] { return AllHidden(helper); }, std::chrono::seconds(15)));

    // Shown again while it stalls once more: the rest come back at once.
    ASSERT_TRUE(stall());
    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    EXPECT_TRUE(WaitUntil([&] {
        return IsWindowVisible(program_.frame()) && IsWindowVisible(bystander.handle());
    }, std::chrono::seconds(3)));
    EXPECT_TRUE(answers(program_.panel(), 1000)) << "the program waits for the stalled one";

    // Concealed again before the stalled program has taken its shows: its
    // windows count as shown, and stay hidden once it wakes.
    PostMessageA(program_.panel(), WM_COMMAND, IDC_CONCEAL, 0);
    EXPECT_TRUE(WaitUntil([&] {
        return !IsWindowVisible(program_.frame()) && !IsWindowVisible(bystander.handle());
    }, std::chrono::seconds(3)));
    ASSERT_TRUE(WaitUntil([&] { return answers(owner_->normal, 100); }, std::chrono::seconds(15)));
    PumpMessages();
    EXPECT_TRUE(StaysTrue([&] { return AllHidden(helper); }, 700)) << "a window came back by itself";
    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    EXPECT_TRUE(WaitUntil([&] { return AllBack(helper); }, std::chrono::seconds(15)));
}

TEST_F(ConcealmentTest, RepeatersSendNothingWhileConcealedAndGoOnAfterwards)
{
    // An untitled window stays, as the desktop and the taskbar do: with
    // "全てのウィンド" chosen, it is what would get the clicks. Above the
    // others, as the taskbar is: the maximised window that comes back must
    // not cover it, or the clicks would land on it.
    TestWindow desktop("", 40, 40);
    SetWindowPos(desktop.handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetRemoteText(program_.Control(IDC_LEFT_INTERVAL), "20");
    SetRemoteText(program_.Control(IDC_KEY_INTERVAL), "20");
    ASSERT_TRUE(desktop.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    PostMessageA(program_.panel(), WM_COMMAND, KEY_A, 0);
    ASSERT_TRUE(WaitUntil([&] { return desktop.clicks().size() >= 3 && desktop.keys().size() >= 2; }));

    PostMessageA(program_.panel(), WM_COMMAND, IDC_CONCEAL, 0);
    ASSERT_TRUE(WaitUntil([&] { return AllHidden(concealable_); }));
    ASSERT_TRUE(desktop.TakeForeground());
    PumpMessages();
    const std::string clicks = desktop.clicks();
    const std::size_t keys = desktop.keys().size();
    EXPECT_TRUE(StaysTrue([&] {
        PumpMessages();
        return desktop.clicks() == clicks && desktop.keys().size() == keys;
    }, 600)) << clicks << " became " << desktop.clicks();
    // Nothing is left held meanwhile.
    EXPECT_EQ(clicks.back(), 'l');
    EXPECT_TRUE(desktop.keys().back().up);
    EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(RemoteText(program_.Control(IDC_LEFT_TOGGLE)), "ON");

    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    ASSERT_TRUE(WaitUntil([&] { return AllBack(concealable_); }));
    // The windows come back without taking the front from this one, and the
    // pointer stays on it: taking the front again would move the pointer,
    // and Wine, reading the keyboard anew from the X server then, would let
    // go of the key the repeater has just pressed again, which the repeater
    // takes for the player's own release.
    EXPECT_EQ(GetForegroundWindow(), desktop.handle());
    EXPECT_TRUE(WaitUntil([&] {
        return desktop.clicks().size() >= clicks.size() + 2 && desktop.keys().size() >= keys + 2;
    })) << "clicks \"" << desktop.clicks() << "\", " << desktop.keys().size() << " key events, in front: "
        << (GetForegroundWindow() == desktop.handle()   ? "this window"
            : GetForegroundWindow() == program_.frame() ? "the program"
                                                        : "\"" + RemoteText(GetForegroundWindow()) + "\"");
    EXPECT_FALSE(desktop.keys()[keys].up) << "the held key goes down again";
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    PostMessageA(program_.panel(), WM_COMMAND, KEY_A, 0);
    EXPECT_TRUE(WaitUntil([&] { return RemoteText(program_.Control(IDC_LEFT_TOGGLE)) == "OFF"; }));
}

class HiddenWindowDialogTest : public ConcealmentTest {};

TEST_F(HiddenWindowDialogTest, NoRepeatedClickGoesAnywhereWhileItIsOpen)
{
    ASSERT_TRUE(Conceal(concealable_));
    SetRemoteText(program_.Control(IDC_LEFT_INTERVAL), "10");
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    // The dialog has the focus; the cursor rests on another window, where a
    // click would land (on the dialog's "閉じる" it would close a game).
    TestWindow elsewhere("under the cursor", 700, 500);
    const POINT centre = elsewhere.Centre();
    SetCursorPos(centre.x, centre.y);
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return elsewhere.clicks().empty(); }));

    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    // The repeater was on all along: it sends once the windows are back.
    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    ASSERT_TRUE(WaitUntil([&] { return AllBack(concealable_); }));
    ASSERT_TRUE(elsewhere.TakeForeground());
    EXPECT_TRUE(WaitUntil([&] { return elsewhere.clicks().size() >= 2; })) << "the repeater never ran";
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return RemoteText(program_.Control(IDC_LEFT_TOGGLE)) == "OFF"; }));
    PumpMessages();
    EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0) << elsewhere.clicks();
}

TEST_F(HiddenWindowDialogTest, ListsCurrentTitlesAndShowSelectsAsTheListShrinksThenCloses)
{
    ASSERT_TRUE(InFront(owner_->normal));
    const std::size_t logStart = owner_->Log().size();
    ASSERT_TRUE(Conceal(concealable_));
    SetRemoteText(owner_->normal, "helper renamed");

    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    std::vector<std::string> lines = ListLines(dialog);
    std::vector<std::string> titles = TitlesOf(concealable_);
    EXPECT_EQ(Sorted(lines), Sorted(titles));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "helper renamed"), lines.end());
    EXPECT_EQ(SelectedLine(dialog), 0);
    // The bottom of the Z-order first: the helper's windows in the order of hiding.
    std::vector<std::string> hides = Events(owner_->Log(), logStart, "hide");
    std::replace(hides.begin(), hides.end(), std::string("helper normal"),
                 std::string("helper renamed"));
    std::vector<std::string> helperLines;
    for (const std::string& line : lines)
        if (line.rfind("helper", 0) == 0) helperLines.push_back(line);
    EXPECT_EQ(helperLines, hides);

    // "表示" on the last line: its window comes back, the new last line is selected.
    ASSERT_GE(lines.size(), 4u);
    LRESULT count = LineCount(dialog);
    HWND window = WindowTitled(lines.back());
    SelectLine(dialog, count - 1);
    Press(dialog, IDC_HIDDEN_SHOW);
    ASSERT_TRUE(LinesSettled(dialog, count - 1));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; })) << lines.back();
    EXPECT_EQ(SelectedLine(dialog), count - 2);
    lines.pop_back();
    EXPECT_EQ(ListLines(dialog), lines);

    // A middle line: the line that moves up into its place is selected.
    count = LineCount(dialog);
    window = WindowTitled(lines[1]);
    SelectLine(dialog, 1);
    Press(dialog, IDC_HIDDEN_SHOW);
    ASSERT_TRUE(LinesSettled(dialog, count - 1));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; })) << lines[1];
    EXPECT_EQ(SelectedLine(dialog), 1);
    lines.erase(lines.begin() + 1);
    EXPECT_EQ(ListLines(dialog), lines);

    // Down to the only line, which closes the dialog once it is shown.
    while ((count = LineCount(dialog)) > 1) {
        SelectLine(dialog, 0);
        Press(dialog, IDC_HIDDEN_SHOW);
        ASSERT_TRUE(LinesSettled(dialog, count - 1));
    }
    window = WindowTitled(ListLines(dialog).at(0));
    Press(dialog, IDC_HIDDEN_SHOW);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
    ExpectShowStatesBack();

    // Nothing is concealed any more: the dialog does not open.
    PostMessageA(program_.panel(), WM_COMMAND, IDM_HIDDEN_DIALOG, 0);
    EXPECT_TRUE(StaysTrue([&] { return DialogCount() == 0; }));

    // The window in front at that concealment belongs to it: the next one,
    // with the desktop in front, brings nothing forward at show-all.
    TestWindow desktop("", 40, 40);
    ASSERT_TRUE(desktop.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, IDC_CONCEAL, 0);
    ASSERT_TRUE(WaitUntil([&] { return AllHidden(concealable_); }));
    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    ASSERT_TRUE(WaitUntil([&] { return AllBack(concealable_); }));
    EXPECT_TRUE(StaysTrue([&] { return GetForegroundWindow() != owner_->normal; }, 700));
}

TEST_F(HiddenWindowDialogTest, CloseEndsAnotherProgramsWindowAndOneThatRefusesComesBack)
{
    ASSERT_TRUE(Conceal(concealable_));
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);

    auto lineOf = [&](const std::string& title) -> LRESULT {
        const std::vector<std::string> lines = ListLines(dialog);
        const auto found = std::find(lines.begin(), lines.end(), title);
        return found == lines.end() ? -1 : found - lines.begin();
    };
    LRESULT count = LineCount(dialog);
    ASSERT_GE(lineOf("helper normal"), 0);
    SelectLine(dialog, lineOf("helper normal"));
    Press(dialog, IDC_HIDDEN_CLOSE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(owner_->normal); }));
    EXPECT_TRUE(LinesSettled(dialog, count - 1));
    EXPECT_EQ(lineOf("helper normal"), -1);

    // A window that will not close (unsaved work) is shown again, as it was.
    count = LineCount(dialog);
    ASSERT_GE(lineOf("helper maximised"), 0);
    SelectLine(dialog, lineOf("helper maximised"));
    Press(dialog, IDC_HIDDEN_CLOSE);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(owner_->maximised) != FALSE; }));
    EXPECT_TRUE(IsWindow(owner_->maximised));
    EXPECT_TRUE(IsZoomed(owner_->maximised));
    EXPECT_TRUE(WaitUntil([&] {
        const std::vector<std::string> log = owner_->Log();
        return std::find(log.begin(), log.end(), "helper maximised refuses-close") != log.end();
    }));
    EXPECT_TRUE(LinesSettled(dialog, count - 1));
    EXPECT_EQ(lineOf("helper maximised"), -1);

    // "全て表示" shows the rest and closes the dialog.
    Press(dialog, IDC_HIDDEN_SHOW_ALL);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    ExpectShowStatesBack();
}

TEST_F(HiddenWindowDialogTest, CloseOnTheProgramsOwnFrameEndsItAndTheRestComeBack)
{
    ASSERT_TRUE(Conceal(concealable_));
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    const std::vector<std::string> lines = ListLines(dialog);
    const auto frameLine = std::find(lines.begin(), lines.end(), "PLOVNIKAR Ver.1.0");
    ASSERT_NE(frameLine, lines.end());
    SelectLine(dialog, frameLine - lines.begin());
    Press(dialog, IDC_HIDDEN_CLOSE);
    EXPECT_EQ(program_.WaitForExit(15000), 0u);
    ExpectShowStatesBack();
    EXPECT_EQ(GetFileAttributesA(RecoveryFile().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(HiddenWindowDialogTest, ConcealmentOrShowAllWhileItIsOpenClosesItWithoutStaleLines)
{
    ASSERT_TRUE(Conceal(concealable_));
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    const LRESULT lines = LineCount(dialog);
    // Asked again, the program brings the open dialog forward instead of a second one.
    PostMessageA(program_.panel(), WM_COMMAND, IDM_HIDDEN_DIALOG, 0);
    EXPECT_TRUE(StaysTrue([&] { return DialogCount() == 1; }));

    // The hotkey runs inside the dialog's message loop and frees every record.
    ASSERT_TRUE(Conceal(concealable_));
    // Were a line left, "表示" on it would use a record that the pass freed.
    if (IsWindow(dialog)) {
        SelectLine(dialog, 0);
        Press(dialog, IDC_HIDDEN_SHOW);
    }
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(program_.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(WaitUntil([&] { return AllHidden(concealable_); }));

    // The pass recorded the windows anew, and not the dialog that it closed.
    dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(LineCount(dialog), lines);
    EXPECT_EQ(Sorted(ListLines(dialog)), Sorted(TitlesOf(concealable_)));

    // The tray's show-all while the dialog is open.
    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    ExpectShowStatesBack();
    EXPECT_EQ(program_.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(program_.Close(), 0u);
}

}  // namespace
