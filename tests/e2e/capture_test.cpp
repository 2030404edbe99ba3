#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "e2e/e2e_fixture.h"
#include "res/resource.h"
#include "support/pattern_window.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int WIDTH = 203;   // 609 pixel bytes a row: three bytes of padding
constexpr int HEIGHT = 61;

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::uint32_t U32(const Bytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

::testing::AssertionResult HeadersDescribe(const Bytes& b, int width, int height)
{
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t image = stride * static_cast<std::uint32_t>(height);
    if (b.size() != 54 + image)
        return ::testing::AssertionFailure() << "file of " << b.size() << " bytes, not " << 54 + image;
    const struct { std::size_t at; std::uint32_t value; int size; } fields[] = {
        {0, 'B' | ('M' << 8), 2}, {2, 54 + image, 4}, {6, 0, 2}, {8, 0, 2}, {10, 54, 4},
        {14, 40, 4}, {18, static_cast<std::uint32_t>(width), 4},
        {22, static_cast<std::uint32_t>(height), 4}, {26, 1, 2}, {28, 24, 2}, {30, 0, 4},
        {34, image, 4}, {38, 0, 4}, {42, 0, 4}, {46, 0, 4}, {50, 0, 4}};
    for (const auto& field : fields) {
        const std::uint32_t value = field.size == 2 ? U16(b, field.at) : U32(b, field.at);
        if (value != field.value)
            return ::testing::AssertionFailure()
                   << "header field at " << field.at << " is " << value << ", not " << field.value;
    }
    return ::testing::AssertionSuccess();
}

// Every pixel, bottom row first, blue-green-red, and zeros up to the stride.
::testing::AssertionResult ShowsThePattern(const Bytes& b, int width, int height)
{
    const ::testing::AssertionResult headers = HeadersDescribe(b, width, height);
    if (!headers) return headers;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        const std::uint8_t* line = b.data() + 54 + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < width; ++x) {
            const COLORREF got = RGB(line[3 * x + 2], line[3 * x + 1], line[3 * x]);
            if (got != PatternWindow::Colour(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << "," << y << ") is " << ColourText(got) << ", not "
                       << ColourText(PatternWindow::Colour(x, y));
        }
        for (std::size_t pad = static_cast<std::size_t>(width) * 3; pad < stride; ++pad) {
            if (line[pad] != 0)
                return ::testing::AssertionFailure() << "padding byte " << pad << " of row " << row;
        }
    }
    return ::testing::AssertionSuccess();
}

class CaptureTest : public ProgramTest {
protected:
    std::string FolderText() { return RemoteText(program_.Control(IDC_IMAGE_FOLDER)); }
    void SetFolderText(const std::string& text)
    {
        SetRemoteText(program_.Control(IDC_IMAGE_FOLDER), text);
    }
    std::string DefaultFolder() { return program_.folder().File("image"); }

    // Shows the pattern in the foreground, where nothing covers it.
    void ShowSource(PatternWindow& source)
    {
        const SIZE size = source.ClientSize();
        ASSERT_EQ(size.cx, WIDTH);
        ASSERT_EQ(size.cy, HEIGHT);
        ASSERT_TRUE(source.TakeForeground());
        ASSERT_TRUE(WaitUntil([&] { return source.ShownOnScreen(); })) << "the pattern is not on screen";
    }

    // Presses the capture hotkey and waits for the complete file.
    ::testing::AssertionResult CaptureInto(const std::string& path, Bytes& bytes)
    {
        PressCombination({VK_CONTROL}, 'I');
        if (WaitUntil([&] { return !(bytes = ReadWholeFile(path)).empty() && bytes.size() >= 54 && bytes.size() == U32(bytes, 2); }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "no complete " << path;
    }
};

TEST_F(CaptureTest, HotkeySavesTheClientAreaPixelForPixelAsTheFirstFreeNumber)
{
    PatternWindow source("capture source", 20, 20, WIDTH, HEIGHT);
    ShowSource(source);
    const std::string folder = DefaultFolder();
    EXPECT_EQ(FolderText(), folder);
    Bytes bytes;

    ASSERT_TRUE(CaptureInto(folder + "\\0.bmp", bytes));
    EXPECT_TRUE(ShowsThePattern(bytes, WIDTH, HEIGHT));
    EXPECT_EQ(FolderText(), folder);

    ASSERT_TRUE(CaptureInto(folder + "\\1.bmp", bytes));
    EXPECT_TRUE(ShowsThePattern(bytes, WIDTH, HEIGHT));

    // The gap left by a deleted file is filled first.
    ASSERT_TRUE(DeleteFileA((folder + "\\0.bmp").c_str()));
    ASSERT_TRUE(CaptureInto(folder + "\\0.bmp", bytes));
    EXPECT_TRUE(ShowsThePattern(bytes, WIDTH, HEIGHT));
    EXPECT_FALSE(Exists(folder + "\\2.bmp"));
}

// Run on its own by the test e2e_under_a_file_size_limit: no file may grow
// past 256 KB there, as on a nearly full disk.
TEST_F(CaptureTest, UnderAFileSizeLimitAnImageIsWrittenWholeOrNotAtAll)
{
    if (GetEnvironmentVariableA("PLOV_FILE_SIZE_LIMIT_KB", nullptr, 0) == 0)
        GTEST_SKIP() << "runs under a file size limit (ctest's e2e_under_a_file_size_limit)";
    PatternWindow large("too large to save", 20, 20, 600, 400);  // 720,054 bytes
    ASSERT_TRUE(large.TakeForeground());
    ASSERT_TRUE(WaitUntil([&] { return large.ShownOnScreen(); }));
    PressCombination({VK_CONTROL}, 'I');
    // The folder is made once the window to save has been taken.
    ASSERT_TRUE(WaitUntil([&] { return Exists(DefaultFolder()); }));

    // The next image is the first file: nothing of the one that did not fit
    // was left under its name.
    PatternWindow source("capture source", 20, 20, WIDTH, HEIGHT);
    ShowSource(source);
    Bytes bytes;
    ASSERT_TRUE(CaptureInto(DefaultFolder() + "\\0.bmp", bytes));
    EXPECT_TRUE(ShowsThePattern(bytes, WIDTH, HEIGHT));
    EXPECT_FALSE(Exists(DefaultFolder() + "\\1.bmp"));
}

TEST_F(CaptureTest, MissingFolderIsCreatedWhenItsParentExistsAndKeptAsTyped)
{
    PatternWindow source("capture source", 20, 20, WIDTH, HEIGHT);
    const std::string folder = program_.folder().File("shots.new");
    SetFolderText(folder + "\\\\");
    ShowSource(source);
    Bytes bytes;
    ASSERT_TRUE(CaptureInto(folder + "\\0.bmp", bytes));
    EXPECT_TRUE(ShowsThePattern(bytes, WIDTH, HEIGHT));
    // Trailing separators go; the dotted last component stays.
    EXPECT_EQ(FolderText(), folder);
    EXPECT_FALSE(Exists(DefaultFolder()));
}

TEST_F(CaptureTest, FolderWithoutItsParentFallsBackToTheDefaultWhichTheEditShows)
{
    PatternWindow source("capture source", 20, 20, WIDTH, HEIGHT);
    const std::string missing = program_.folder().File("no\\such");
    SetFolderText(missing);
    ShowSource(source);
    Bytes bytes;
    ASSERT_TRUE(CaptureInto(DefaultFolder() + "\\0.bmp", bytes));
    EXPECT_TRUE(ShowsThePattern(bytes, WIDTH, HEIGHT));
    EXPECT_EQ(FolderText(), DefaultFolder());
    EXPECT_FALSE(Exists(program_.folder().File("no")));
}

TEST_F(CaptureTest, MinimisedForegroundWindowWritesNothing)
{
    PatternWindow source("capture source", 20, 20, WIDTH, HEIGHT);
    ShowSource(source);
    ShowWindow(source.handle(), SW_SHOWMINIMIZED);
    ASSERT_TRUE(WaitUntil([&] {
        return IsIconic(source.handle()) && GetForegroundWindow() == source.handle();
    })) << "the minimised window is not in the foreground";
    const std::string first = DefaultFolder() + "\\0.bmp";
    PressCombination({VK_CONTROL}, 'I');
    EXPECT_TRUE(StaysTrue([&] { return !Exists(first); }, 1000));

    // The program did handle that command: the next capture, of the restored
    // window, is still the first file.
    ShowWindow(source.handle(), SW_RESTORE);
    ShowSource(source);
    Bytes bytes;
    ASSERT_TRUE(CaptureInto(first, bytes));
    EXPECT_TRUE(ShowsThePattern(bytes, WIDTH, HEIGHT));
    EXPECT_FALSE(Exists(DefaultFolder() + "\\1.bmp"));
}

TEST_F(CaptureTest, SaveButtonCapturesTheProgramsOwnFrame)
{
    ASSERT_TRUE(WaitUntil([&] {
        SetForegroundWindow(program_.frame());
        return GetForegroundWindow() == program_.frame();
    }));
    PostMessageA(program_.panel(), WM_COMMAND, IDC_CAPTURE, 0);
    Bytes bytes;
    const std::string path = DefaultFolder() + "\\0.bmp";
    ASSERT_TRUE(WaitUntil([&] { return !(bytes = ReadWholeFile(path)).empty() && bytes.size() >= 54 && bytes.size() == U32(bytes, 2); }));
    RECT client;
    GetClientRect(program_.frame(), &client);
    EXPECT_TRUE(HeadersDescribe(bytes, client.right, client.bottom));
}

// The folder picker of the program, found by its title line.
HWND FindPicker(DWORD processId)
{
    struct Search {
        DWORD processId;
        HWND found;
    } search = {processId, nullptr};
    WaitUntil([&] {
        EnumWindows(
            [](HWND window, LPARAM data) CALLBACK -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD pid = 0;
                GetWindowThreadProcessId(window, &pid);
                char name[16] = "";
                GetClassNameA(window, name, sizeof name);
                if (pid != s->processId || std::string(name) != "#32770" || !IsWindowVisible(window))
                    return TRUE;
                bool titled = false;
                EnumChildWindows(
                    window,
                    [](HWND child, LPARAM found) CALLBACK -> BOOL {
                        if (RemoteText(child) != "画像保存先フォルダの指定") return TRUE;
                        *reinterpret_cast<bool*>(found) = true;
                        return FALSE;
                    },
                    reinterpret_cast<LPARAM>(&titled));
                if (titled) s->found = window;
                return !titled;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

bool HasChildText(HWND window, const std::string& text)
{
    std::pair<const std::string*, bool> search(&text, false);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) CALLBACK -> BOOL {
            auto* s = reinterpret_cast<std::pair<const std::string*, bool>*>(data);
            if (RemoteText(child) != *s->first) return TRUE;
            s->second = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

TEST_F(CaptureTest, PickerOpensOnTheFolderAndReturnsItWithASeparatorWhichTheCaptureDrops)
{
    const std::string folder = program_.folder().File("picked folder");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    char shortForm[MAX_PATH] = "";
    ASSERT_GT(GetShortPathNameA(folder.c_str(), shortForm, sizeof shortForm), 0u);
    SetFolderText(folder);

    // Cancel leaves the folder as it was.
    PostMessageA(program_.panel(), WM_COMMAND, IDC_BROWSE_FOLDER, 0);
    HWND picker = FindPicker(program_.processId());
    ASSERT_NE(picker, nullptr) << "no picker";
    EXPECT_TRUE(WaitUntil([&] { return HasChildText(picker, shortForm); }))
        << "the status line does not show " << shortForm;
    PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker); }));
    EXPECT_EQ(FolderText(), folder);

    PostMessageA(program_.panel(), WM_COMMAND, IDC_BROWSE_FOLDER, 0);
    picker = FindPicker(program_.processId());
    ASSERT_NE(picker, nullptr) << "no picker";
    ASSERT_TRUE(WaitUntil([&] { return HasChildText(picker, shortForm); }));
    PostMessageA(picker, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker); }));
    EXPECT_TRUE(WaitUntil([&] { return FolderText() == folder + "\\"; })) << FolderText();

    PatternWindow source("capture source", 20, 20, WIDTH, HEIGHT);
    ShowSource(source);
    Bytes bytes;
    ASSERT_TRUE(CaptureInto(folder + "\\0.bmp", bytes));
    EXPECT_EQ(FolderText(), folder);
}

}  // namespace
