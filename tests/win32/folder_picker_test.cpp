#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "capture/folder_picker.h"
#include "pad_test_files.h"
#include "panel_fixture.h"
#include "panel_internals.h"
#include "res/resource.h"
#include "support/message_box_catcher.h"

namespace {

// Stands in for the picker: records what the callback asks of it.
class PickerStandIn {
public:
    PickerStandIn()
    {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "PlovPickerStandIn";
            RegisterClassA(&wc);
            registered = true;
        }
        window_ = CreateWindowExA(0, "PlovPickerStandIn", "picker", WS_POPUP, 0, 0, 10, 10,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), this);
    }
    ~PickerStandIn() { DestroyWindow(window_); }
    HWND window() const { return window_; }

    struct Request {
        UINT message;
        WPARAM wParam;
        std::string text;
    };
    std::vector<Request> requests;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
                reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        }
        auto* self = reinterpret_cast<PickerStandIn*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && (message == BFFM_SETSELECTIONA || message == BFFM_SETSTATUSTEXTA)) {
            self->requests.push_back({message, wParam, reinterpret_cast<const char*>(lParam)});
            return TRUE;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HWND window_ = nullptr;
};

std::string ShortForm(const std::string& path)
{
    char shortPath[MAX_PATH] = "";
    const DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return length > 0 && length < sizeof shortPath ? shortPath : "";
}

TEST(FolderPickerCallback, OpeningSelectsTheSharedFolderAndShowsItsShortForm)
{
    ScratchFolder folder;
    const std::string existing = folder.path() + "\\a folder with a long name";
    ASSERT_TRUE(CreateDirectoryA(existing.c_str(), nullptr));
    ASSERT_FALSE(ShortForm(existing).empty());
    PickedFolder shared;
    std::strcpy(shared.path, existing.c_str());

    PickerStandIn picker;
    EXPECT_EQ(BrowseFolderCallback(picker.window(), BFFM_INITIALIZED, 0, reinterpret_cast<LPARAM>(&shared)), 0);
    ASSERT_EQ(picker.requests.size(), 2u);
    EXPECT_EQ(picker.requests[0].message, static_cast<UINT>(BFFM_SETSELECTIONA));
    EXPECT_EQ(picker.requests[0].wParam, static_cast<WPARAM>(TRUE));  // a path, not an item
    EXPECT_EQ(picker.requests[0].text, existing);
    EXPECT_EQ(picker.requests[1].message, static_cast<UINT>(BFFM_SETSTATUSTEXTA));
    EXPECT_EQ(picker.requests[1].text, ShortForm(existing));
}

TEST(FolderPickerCallback, FolderWithoutAShortFormIsShownInFull)
{
    ScratchFolder folder;
    const std::string missing = folder.path() + "\\not there";
    PickedFolder shared;
    std::strcpy(shared.path, missing.c_str());
    PickerStandIn picker;
    BrowseFolderCallback(picker.window(), BFFM_INITIALIZED, 0, reinterpret_cast<LPARAM>(&shared));
    ASSERT_EQ(picker.requests.size(), 2u);
    EXPECT_EQ(picker.requests[1].text, missing);
}

TEST(FolderPickerCallback, NewSelectionShowsItsShortFormAndAnItemWithoutPathNothing)
{
    ScratchFolder folder;
    const std::string existing = folder.path() + "\\another long folder name";
    ASSERT_TRUE(CreateDirectoryA(existing.c_str(), nullptr));
    PickerStandIn picker;

    PIDLIST_ABSOLUTE item = ILCreateFromPathA(existing.c_str());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(BrowseFolderCallback(picker.window(), BFFM_SELCHANGED, reinterpret_cast<LPARAM>(item), 0), 0);
    ILFree(item);
    ASSERT_EQ(picker.requests.size(), 1u);
    EXPECT_EQ(picker.requests[0].message, static_cast<UINT>(BFFM_SETSTATUSTEXTA));
    EXPECT_EQ(picker.requests[0].text, ShortForm(existing));

    PIDLIST_ABSOLUTE computer = nullptr;  // "My Computer" is no folder on disk
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    BrowseFolderCallback(picker.window(), BFFM_SELCHANGED, reinterpret_cast<LPARAM>(computer), 0);
    ILFree(computer);
    ASSERT_EQ(picker.requests.size(), 2u);
    EXPECT_EQ(picker.requests[1].text, "");
}

TEST(FolderPickerCallback, TypedInvalidFolderIsRefusedWithAMessage)
{
    PickerStandIn picker;
    MessageBoxCatcher boxes;
    EXPECT_EQ(BrowseFolderCallback(picker.window(), BFFM_VALIDATEFAILEDA,
                                   reinterpret_cast<LPARAM>("Q:\\nowhere"), 0),
              1);  // the picker stays open
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "不正なフォルダです");
    EXPECT_EQ(boxes.boxes()[0].caption, "Error");
    EXPECT_EQ(boxes.boxes()[0].owner, picker.window());
    EXPECT_TRUE(picker.requests.empty());
    // Other messages ask nothing and return 0.
    EXPECT_EQ(BrowseFolderCallback(picker.window(), BFFM_IUNKNOWN, 0, 0), 0);
    EXPECT_EQ(BrowseFolderCallback(picker.window(), BFFM_VALIDATEFAILEDW, 0, 0), 0);
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

std::string SelectedTreeText(HWND picker)
{
    HWND tree = FindWindowExA(picker, nullptr, WC_TREEVIEWA, nullptr);
    if (!tree) return std::string();
    char text[MAX_PATH] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = TreeView_GetSelection(tree);
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (!item.hItem || !TreeView_GetItem(tree, &item)) return std::string();
    return text;
}

// The real picker, confirmed as soon as it is up: it opens on the folder of
// the edit and gives it back with a separator; the repeaters wait meanwhile.
TEST_F(PanelTest, BrowseCommandRunsThePickerOnTheEditsFolderWithTheGateClosed)
{
    ScratchFolder folder;
    const std::string leaf = folder.path().substr(folder.path().find_last_of('\\') + 1);
    // Wine selects the starting folder a little after the picker comes up,
    // and now and then not at all; the picker is confirmed once the tree
    // shows the folder, and a run where Wine never selected it is repeated.
    bool selected = false;
    for (int attempt = 0; attempt < 3 && !selected; ++attempt) {
        SetDlgItemTextA(panelWindow, IDC_IMAGE_FOLDER, folder.path().c_str());
        MessageBoxCatcher dialogs;
        bool gateWhileOpen = true;
        dialogs.WhileOpen([&](HWND) { gateWhileOpen = Gate().IsOpen(); });
        dialogs.ConfirmWhen([&](HWND picker) {
            selected = SelectedTreeText(picker) == leaf;
            return selected;
        });
        SendMessageA(panelWindow, WM_COMMAND, IDC_BROWSE_FOLDER, 0);
        ASSERT_EQ(dialogs.boxes().size(), 1u);
        EXPECT_EQ(dialogs.boxes()[0].text, "画像保存先フォルダの指定");
        EXPECT_FALSE(gateWhileOpen);
        EXPECT_TRUE(Gate().IsOpen());
    }
    ASSERT_TRUE(selected) << "the picker never showed the starting folder";
    char text[MAX_PATH] = "";
    GetDlgItemTextA(panelWindow, IDC_IMAGE_FOLDER, text, sizeof text);
    EXPECT_EQ(text, folder.path() + "\\");
}

}  // namespace
