#include "core/settings/settings_codec.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/triggers/gesture_sequence.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Dword(const Bytes& bytes, std::size_t offset)
{
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

void PutDword(Bytes& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The first bytes of bytes, in a buffer of exactly that size, so that the
// sanitizers see any read past the end.
Bytes Cut(const Bytes& bytes, std::size_t size)
{
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
}

const std::string GAME_PATH = "D:\\\x83\x51\x81\x5B\x83\x80\\b.exe";  // D:\ゲーム\b.exe

// Every field set, and every field different from Defaults().
SettingsValues Populated()
{
    SettingsValues v;
    v.leftClickOn = true;
    v.leftClickInterval = 0x11223344;
    v.rightClickOn = true;
    v.rightClickInterval = 0x55667788;
    v.keyRepeatInterval = 0x0A0B0C0D;
    v.muteWhileConcealing = true;
    v.imageFolder = "D:\\Games\\\x89\xE6\x91\x9C";  // D:\Games\画像
    v.slotEnabled[0] = true;
    v.slotEnabled[2] = true;
    v.slotRepeats[1] = true;
    v.slotRepeats[2] = true;
    v.gestureDistance = 0x01020304;
    v.gestureTime = 0x05060708;
    v.gestureKeyIndex = 2;
    for (int i = 0; i < ACTION_COUNT; ++i) {
        ActionSettings& a = v.actions[i];
        a.count = 8 - i;  // 8 steps down to none
        for (int j = 0; j < a.count; ++j) a.directions[j] = (i + j) % 4 + 1;
        a.modifiers = static_cast<std::uint32_t>(i % 7 + 1);
        a.virtualKey = static_cast<std::uint32_t>(0x41 + i);
    }
    v.padPaths[0] = "C:\\a.exe";
    v.padPaths[1] = GAME_PATH;
    v.padPaths[2] = "";
    v.padPaths[3] = "E:\\c.lnk";
    return v;
}

// The caller's defaults, as the panel would fill them before reading.
SettingsValues Defaults()
{
    SettingsValues v;
    v.leftClickInterval = 100;
    v.rightClickInterval = 101;
    v.keyRepeatInterval = 102;
    v.imageFolder = "C:\\Tool\\image";
    v.slotEnabled[1] = true;
    v.slotRepeats[0] = true;
    v.gestureDistance = 30;
    v.gestureTime = 1000;
    v.gestureKeyIndex = 0;
    for (int i = 0; i < ACTION_COUNT; ++i) {
        v.actions[i].count = 1;  // differs from every populated record
        v.actions[i].directions[0] = 4;
        v.actions[i].modifiers = 0x100;
        v.actions[i].virtualKey = 0x200;
    }
    v.padPaths[0] = "default0";
    v.padPaths[1] = "default1";
    v.padPaths[2] = "default2";
    v.padPaths[3] = "default3";
    return v;
}

SettingsValues Read(const Bytes& bytes, SettingsValues values = Defaults())
{
    ReadSettings(bytes.data(), bytes.size(), values);
    return values;
}

std::size_t RecordOffset(int index) { return 293 + 40 * static_cast<std::size_t>(index); }

// ---- Layout ----------------------------------------------------------------

TEST(SettingsLayout, EveryFixedFieldAtItsOffset)
{
    const Bytes bytes = WriteSettings(Populated());
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(Dword(bytes, 1), 0x11223344u);
    EXPECT_EQ(bytes[5], 1);
    EXPECT_EQ(Dword(bytes, 6), 0x55667788u);
    EXPECT_EQ(Dword(bytes, 10), 0x0A0B0C0Du);
    EXPECT_EQ(bytes[14], 1);
    const std::string folder = "D:\\Games\\\x89\xE6\x91\x9C";
    EXPECT_EQ(std::string(bytes.begin() + 15, bytes.begin() + 15 + 13), folder);
    for (std::size_t i = 15 + 13; i < 275; ++i) EXPECT_EQ(bytes[i], 0) << "folder padding at " << i;
    const std::uint8_t slots[6] = {1, 0, 1, 0, 1, 1};  // 1110, 1113, 1117, 1118, 1119, 1120
    for (int i = 0; i < 6; ++i) EXPECT_EQ(bytes[275 + i], slots[i]) << "slot byte " << i;
    EXPECT_EQ(Dword(bytes, 281), 0x01020304u);
    EXPECT_EQ(Dword(bytes, 285), 0x05060708u);
    EXPECT_EQ(Dword(bytes, 289), 2u);
}

TEST(SettingsLayout, ActionRecordsThenPads)
{
    const SettingsValues v = Populated();
    const Bytes bytes = WriteSettings(v);
    for (int i = 0; i < ACTION_COUNT; ++i) {
        const std::size_t at = 293 + 40 * static_cast<std::size_t>(i);
        for (int j = 0; j < 8; ++j) {
            const std::uint32_t expected = j < v.actions[i].count ? v.actions[i].directions[j] : 0;
            EXPECT_EQ(Dword(bytes, at + 4 * j), expected) << "record " << i << " step " << j;
        }
        EXPECT_EQ(Dword(bytes, at + 32), v.actions[i].modifiers) << i;
        EXPECT_EQ(Dword(bytes, at + 36), v.actions[i].virtualKey) << i;
    }
    // Pads from 653: 8 "C:\a.exe", 15 D:\ゲーム\b.exe, 0, 8 "E:\c.lnk".
    EXPECT_EQ(Dword(bytes, 653), 8u);
    EXPECT_EQ(std::string(bytes.begin() + 657, bytes.begin() + 665), "C:\\a.exe");
    EXPECT_EQ(Dword(bytes, 665), 15u);
    EXPECT_EQ(std::string(bytes.begin() + 669, bytes.begin() + 684), GAME_PATH);
    EXPECT_EQ(Dword(bytes, 684), 0u);
    EXPECT_EQ(Dword(bytes, 688), 8u);
    EXPECT_EQ(std::string(bytes.begin() + 692, bytes.end()), "E:\\c.lnk");
    EXPECT_EQ(bytes.size(), 700u);
}

TEST(SettingsLayout, FourEmptyPadsMake669Bytes)
{
    SettingsValues v = Populated();
    for (std::string& path : v.padPaths) path.clear();
    const Bytes bytes = WriteSettings(v);
    ASSERT_EQ(bytes.size(), 669u);
    for (std::size_t i = 653; i < 669; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(WriteSettings(SettingsValues{}).size(), 669u);
}

// ---- Values as the user leaves them -----------------------------------------

TEST(SettingsValuesStored, LeftRepeatOnAt50)
{
    SettingsValues v = Defaults();
    v.leftClickOn = true;
    v.leftClickInterval = 50;
    const Bytes bytes = WriteSettings(v);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(Dword(bytes, 1), 50u);
    EXPECT_EQ(bytes[5], 0);  // right repeat off

    const SettingsValues back = Read(bytes, SettingsValues{});
    EXPECT_TRUE(back.leftClickOn);
    EXPECT_EQ(back.leftClickInterval, 50u);
    EXPECT_FALSE(back.rightClickOn);
}

TEST(SettingsValuesStored, GestureRightDownLeft)
{
    SettingsValues v = Defaults();
    ActionSettings& a = v.actions[3];
    a = ActionSettings{};
    a.directions[0] = GESTURE_RIGHT;
    a.directions[1] = GESTURE_DOWN;
    a.directions[2] = GESTURE_LEFT;
    a.count = 3;
    const Bytes bytes = WriteSettings(v);
    const std::uint32_t expected[8] = {1, 4, 3, 0, 0, 0, 0, 0};
    for (int j = 0; j < 8; ++j) EXPECT_EQ(Dword(bytes, RecordOffset(3) + 4 * j), expected[j]) << j;
    EXPECT_EQ(Read(bytes).actions[3], a);
}

TEST(SettingsValuesStored, ShortenedOrDisabledGestureReloadsAsLeft)
{
    SettingsValues v = Defaults();
    // Shortened from four steps to three: the fourth is still in the array.
    ActionSettings& shortened = v.actions[0];
    const std::int32_t four[4] = {GESTURE_RIGHT, GESTURE_UP, GESTURE_LEFT, GESTURE_DOWN};
    std::copy(four, four + 4, shortened.directions);
    shortened.count = 3;
    // Switched off: the old steps are all still there.
    ActionSettings& disabled = v.actions[1];
    std::copy(four, four + 4, disabled.directions);
    disabled.count = 0;

    const Bytes bytes = WriteSettings(v);
    EXPECT_EQ(Dword(bytes, RecordOffset(0) + 12), 0u);
    for (int j = 0; j < 8; ++j) EXPECT_EQ(Dword(bytes, RecordOffset(1) + 4 * j), 0u) << j;

    const SettingsValues back = Read(bytes);
    EXPECT_EQ(back.actions[0].count, 3);
    EXPECT_EQ(back.actions[0].directions[2], GESTURE_LEFT);
    EXPECT_EQ(back.actions[0].directions[3], 0);
    EXPECT_EQ(back.actions[1].count, 0);
    EXPECT_EQ(back.actions[1].directions[0], 0);
}

TEST(SettingsValuesStored, CountOutsideZeroToEightIsWrittenAsTheNearest)
{
    SettingsValues v = Defaults();
    for (int j = 0; j < 8; ++j) v.actions[0].directions[j] = GESTURE_UP;
    v.actions[0].count = 12;
    v.actions[1].directions[0] = GESTURE_UP;
    v.actions[1].count = -1;
    const SettingsValues back = Read(WriteSettings(v));
    EXPECT_EQ(back.actions[0].count, 8);
    EXPECT_EQ(back.actions[1].count, 0);
}

TEST(SettingsValuesStored, HotkeyCtrlShiftF5)
{
    SettingsValues v = Defaults();
    v.actions[8].modifiers = HOTKEY_MOD_CONTROL | HOTKEY_MOD_SHIFT;
    v.actions[8].virtualKey = 0x74;
    const Bytes bytes = WriteSettings(v);
    EXPECT_EQ(Dword(bytes, RecordOffset(8) + 32), 6u);
    EXPECT_EQ(Dword(bytes, RecordOffset(8) + 36), 0x74u);
    EXPECT_EQ(Read(bytes).actions[8].modifiers, 6u);
    EXPECT_EQ(Read(bytes).actions[8].virtualKey, 0x74u);
}

TEST(SettingsValuesStored, PadOfEightBytesAndEmptyPad)
{
    SettingsValues v = Defaults();
    v.padPaths[0] = "C:\\a.exe";
    v.padPaths[1] = v.padPaths[2] = v.padPaths[3] = "";
    const Bytes bytes = WriteSettings(v);
    ASSERT_EQ(bytes.size(), 669u + 8u);
    EXPECT_EQ(Dword(bytes, 653), 8u);
    EXPECT_EQ(std::string(bytes.begin() + 657, bytes.begin() + 665), "C:\\a.exe");
    EXPECT_EQ(Dword(bytes, 665), 0u);
    const SettingsValues back = Read(bytes);
    EXPECT_EQ(back.padPaths[0], "C:\\a.exe");
    EXPECT_EQ(back.padPaths[1], "");
}

TEST(SettingsValuesStored, NoSelectionInTheGestureKeyListIsMinusOne)
{
    SettingsValues v = Defaults();
    v.gestureKeyIndex = -1;
    const Bytes bytes = WriteSettings(v);
    EXPECT_EQ(Dword(bytes, 289), 0xFFFFFFFFu);
    EXPECT_EQ(Read(bytes).gestureKeyIndex, -1);
}

TEST(SettingsValuesStored, FullyPopulatedValuesSurviveTheRoundTrip)
{
    const SettingsValues v = Populated();
    const SettingsValues back = Read(WriteSettings(v), SettingsValues{});
    EXPECT_TRUE(back == v);
    // Each part of the comparison matters: one changed field is seen.
    const std::function<void(SettingsValues&)> changes[] = {
        [](SettingsValues& o) { o.leftClickOn = !o.leftClickOn; },
        [](SettingsValues& o) { ++o.leftClickInterval; },
        [](SettingsValues& o) { o.rightClickOn = !o.rightClickOn; },
        [](SettingsValues& o) { ++o.rightClickInterval; },
        [](SettingsValues& o) { ++o.keyRepeatInterval; },
        [](SettingsValues& o) { o.muteWhileConcealing = !o.muteWhileConcealing; },
        [](SettingsValues& o) { o.imageFolder += "x"; },
        [](SettingsValues& o) { o.slotEnabled[2] = !o.slotEnabled[2]; },
        [](SettingsValues& o) { o.slotRepeats[0] = !o.slotRepeats[0]; },
        [](SettingsValues& o) { ++o.gestureDistance; },
        [](SettingsValues& o) { ++o.gestureTime; },
        [](SettingsValues& o) { ++o.gestureKeyIndex; },
        [](SettingsValues& o) { o.actions[5].directions[1] = 0; },
        [](SettingsValues& o) { --o.actions[0].count; },
        [](SettingsValues& o) { ++o.actions[8].modifiers; },
        [](SettingsValues& o) { ++o.actions[4].virtualKey; },
        [](SettingsValues& o) { o.padPaths[3] = "E:\\d.lnk"; },
    };
    int which = 0;
    for (const auto& change : changes) {
        SettingsValues other = back;
        change(other);
        EXPECT_FALSE(other == v) << "change " << which++;
    }
}

// ---- Reading what the writer never writes -------------------------------------

TEST(SettingsReading, AnyNonZeroFlagByteIsOn)
{
    Bytes bytes = WriteSettings(SettingsValues{});
    bytes[0] = 0x02;
    bytes[5] = 0x80;
    bytes[14] = 0xFF;
    for (int i = 0; i < 6; ++i) bytes[275 + i] = static_cast<std::uint8_t>(0x10 << (i % 4));
    const SettingsValues v = Read(bytes, SettingsValues{});
    EXPECT_TRUE(v.leftClickOn);
    EXPECT_TRUE(v.rightClickOn);
    EXPECT_TRUE(v.muteWhileConcealing);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(v.slotEnabled[i]) << i;
        EXPECT_TRUE(v.slotRepeats[i]) << i;
    }
    // Written back as plain 1.
    const Bytes again = WriteSettings(v);
    EXPECT_EQ(again[0], 1);
    EXPECT_EQ(again[5], 1);
    EXPECT_EQ(again[280], 1);
}

TEST(SettingsReading, GestureIsTheStepsBeforeTheFirstZero)
{
    Bytes bytes = WriteSettings(Defaults());
    const std::size_t at = RecordOffset(2);
    const std::uint32_t steps[8] = {1, 2, 0, 3, 4, 1, 2, 3};
    for (int j = 0; j < 8; ++j) PutDword(bytes, at + 4 * j, steps[j]);
    SettingsValues v = Read(bytes);
    EXPECT_EQ(v.actions[2].count, 2);
    EXPECT_EQ(v.actions[2].directions[1], 2);
    for (int j = 2; j < 8; ++j) EXPECT_EQ(v.actions[2].directions[j], 0) << j;

    for (int j = 0; j < 8; ++j) PutDword(bytes, at + 4 * j, 4 - j % 4);
    v = Read(bytes);
    EXPECT_EQ(v.actions[2].count, 8);
    EXPECT_EQ(v.actions[2].directions[7], 1);

    // Codes outside 1 to 4 are not judged here: they count as steps, and the
    // gesture caption cuts the gesture before them.
    PutDword(bytes, at, 0xFFFFFFFF);
    PutDword(bytes, at + 4, 7);
    PutDword(bytes, at + 8, 0);
    v = Read(bytes);
    EXPECT_EQ(v.actions[2].count, 2);
    EXPECT_EQ(v.actions[2].directions[0], -1);
    EXPECT_EQ(v.actions[2].directions[1], 7);
}

TEST(SettingsReading, FolderIsTheTextUpToTheFirstNul)
{
    Bytes bytes = WriteSettings(SettingsValues{});
    const std::string text = "E:\\shots";
    std::copy(text.begin(), text.end(), bytes.begin() + 15);
    bytes[15 + text.size() + 3] = 'x';  // after the NUL: not part of the text
    EXPECT_EQ(Read(bytes).imageFolder, text);

    // An empty field empties the folder.
    EXPECT_EQ(Read(WriteSettings(SettingsValues{})).imageFolder, "");
}

TEST(SettingsReading, FolderWithoutNulKeeps259Bytes)
{
    Bytes bytes = WriteSettings(SettingsValues{});
    std::fill(bytes.begin() + 15, bytes.begin() + 275, 'a');
    EXPECT_EQ(Read(bytes).imageFolder, std::string(259, 'a'));
    EXPECT_EQ(bytes[275], 0);  // the next field is not taken into the text

    // A double-byte character at bytes 258 and 259 of the field would be cut
    // in half at 259: it is left out whole.
    bytes[15 + 258] = 0x95;
    bytes[15 + 259] = 0x5C;
    EXPECT_EQ(Read(bytes).imageFolder, std::string(258, 'a'));
}

TEST(SettingsValuesStored, FolderIsCutTo259BytesWithoutSplittingACharacter)
{
    SettingsValues v;
    v.imageFolder = std::string(300, 'b');
    Bytes bytes = WriteSettings(v);
    EXPECT_EQ(std::string(bytes.begin() + 15, bytes.begin() + 15 + 259), std::string(259, 'b'));
    EXPECT_EQ(bytes[15 + 259], 0);
    EXPECT_EQ(Dword(bytes, 281), 0u);  // nothing spilled into the next fields

    v.imageFolder = std::string(258, 'b') + "\x95\x5C" + "b";
    bytes = WriteSettings(v);
    EXPECT_EQ(bytes[15 + 257], 'b');
    EXPECT_EQ(bytes[15 + 258], 0);

    // A NUL inside the text ends it, as in the edit's buffer.
    v.imageFolder = std::string("C:\\x\0y", 6);
    EXPECT_EQ(Read(WriteSettings(v)).imageFolder, "C:\\x");
}

TEST(SettingsReading, PadsOf259And260Bytes)
{
    SettingsValues v = Defaults();
    v.padPaths[0] = std::string(259, 'p');
    v.padPaths[1] = "second";
    v.padPaths[2] = v.padPaths[3] = "";
    Bytes bytes = WriteSettings(v);
    EXPECT_EQ(Dword(bytes, 653), 259u);
    SettingsValues back = Read(bytes);
    EXPECT_EQ(back.padPaths[0], std::string(259, 'p'));
    EXPECT_EQ(back.padPaths[1], "second");

    // A stored length of 260 cannot fit the pad: that pad is empty and the
    // pads after it are still read.
    Bytes tooLong = Cut(bytes, 653);
    const Bytes record = {4, 1, 0, 0};  // 260
    tooLong.insert(tooLong.end(), record.begin(), record.end());
    tooLong.insert(tooLong.end(), 260, 'p');
    tooLong.insert(tooLong.end(), bytes.begin() + 653 + 4 + 259, bytes.end());
    back = Read(tooLong);
    EXPECT_EQ(back.padPaths[0], "");
    EXPECT_EQ(back.padPaths[1], "second");
    EXPECT_EQ(back.padPaths[2], "");
    EXPECT_EQ(back.padPaths[3], "");
}

TEST(SettingsReading, PadLengthFFFFFFFFReadsNothingBeyondTheFile)
{
    SettingsValues v = Defaults();
    v.padPaths[0] = "C:\\a.exe";
    v.padPaths[1] = "C:\\b.exe";
    Bytes bytes = WriteSettings(v);
    PutDword(bytes, 665, 0xFFFFFFFF);  // the second pad's length
    const SettingsValues back = Read(bytes);
    EXPECT_EQ(back.padPaths[0], "C:\\a.exe");
    EXPECT_EQ(back.padPaths[1], "");          // rejected
    EXPECT_EQ(back.padPaths[2], "default2");  // the file has ended for them
    EXPECT_EQ(back.padPaths[3], "default3");
}

// ---- Files that end early ----------------------------------------------------

struct FixedField {
    const char* name;
    std::size_t offset;
    std::size_t size;
    std::function<bool(const SettingsValues&, const SettingsValues&)> same;
};

std::vector<FixedField> FixedFields()
{
    using V = const SettingsValues&;
    std::vector<FixedField> fields = {
        {"left on", 0, 1, [](V a, V b) { return a.leftClickOn == b.leftClickOn; }},
        {"left interval", 1, 4, [](V a, V b) { return a.leftClickInterval == b.leftClickInterval; }},
        {"right on", 5, 1, [](V a, V b) { return a.rightClickOn == b.rightClickOn; }},
        {"right interval", 6, 4, [](V a, V b) { return a.rightClickInterval == b.rightClickInterval; }},
        {"key interval", 10, 4, [](V a, V b) { return a.keyRepeatInterval == b.keyRepeatInterval; }},
        {"mute", 14, 1, [](V a, V b) { return a.muteWhileConcealing == b.muteWhileConcealing; }},
        {"folder", 15, 260, [](V a, V b) { return a.imageFolder == b.imageFolder; }},
        {"gesture distance", 281, 4, [](V a, V b) { return a.gestureDistance == b.gestureDistance; }},
        {"gesture time", 285, 4, [](V a, V b) { return a.gestureTime == b.gestureTime; }},
        {"gesture key", 289, 4, [](V a, V b) { return a.gestureKeyIndex == b.gestureKeyIndex; }},
    };
    for (int i = 0; i < 3; ++i) {
        fields.push_back({"slot enabled", 275 + static_cast<std::size_t>(i), 1,
                          [i](V a, V b) { return a.slotEnabled[i] == b.slotEnabled[i]; }});
        fields.push_back({"slot repeats", 278 + static_cast<std::size_t>(i), 1,
                          [i](V a, V b) { return a.slotRepeats[i] == b.slotRepeats[i]; }});
    }
    return fields;
}

TEST(SettingsTruncated, InsideTheFixedPartEveryWholeFieldIsTakenAndTheRestKept)
{
    const SettingsValues stored = Populated();
    const SettingsValues defaults = Defaults();
    const Bytes bytes = WriteSettings(stored);
    for (std::size_t size = 0; size <= 293; ++size) {
        const SettingsValues v = Read(Cut(bytes, size));
        for (const FixedField& field : FixedFields()) {
            const bool delivered = field.offset + field.size <= size;
            EXPECT_TRUE(field.same(v, delivered ? stored : defaults))
                << field.name << " at " << field.offset << ", file of " << size << " bytes";
        }
        for (int i = 0; i < ACTION_COUNT; ++i) EXPECT_EQ(v.actions[i], defaults.actions[i]) << size;
        for (int i = 0; i < PAD_COUNT; ++i) EXPECT_EQ(v.padPaths[i], defaults.padPaths[i]) << size;
    }
}

TEST(SettingsTruncated, InsideTheActionRecordsCompleteRecordsAreTakenAndLaterOnesKept)
{
    const SettingsValues stored = Populated();
    const SettingsValues defaults = Defaults();
    const Bytes bytes = WriteSettings(stored);
    for (std::size_t size = 293; size <= 653; ++size) {
        const SettingsValues v = Read(Cut(bytes, size));
        EXPECT_EQ(v.gestureKeyIndex, stored.gestureKeyIndex);
        const std::size_t complete = (size - 293) / 40;
        for (std::size_t i = 0; i < ACTION_COUNT; ++i) {
            EXPECT_EQ(v.actions[i], i < complete ? stored.actions[i] : defaults.actions[i])
                << "record " << i << ", file of " << size << " bytes";
        }
        for (int i = 0; i < PAD_COUNT; ++i) EXPECT_EQ(v.padPaths[i], defaults.padPaths[i]) << size;
    }
}

TEST(SettingsTruncated, RecordWithItsGestureButACutHotkeyKeepsItsDefaults)
{
    // The gesture block of record 4 is whole, its hotkey is not: a record is
    // taken whole or not at all, so no stored gesture is paired with a
    // default hotkey.
    const SettingsValues stored = Populated();
    const Bytes bytes = WriteSettings(stored);
    for (const std::size_t extra : {32u, 34u, 36u, 39u}) {
        const SettingsValues v = Read(Cut(bytes, RecordOffset(4) + extra));
        EXPECT_EQ(v.actions[3], stored.actions[3]) << extra;
        EXPECT_EQ(v.actions[4], Defaults().actions[4]) << extra;
    }
}

TEST(SettingsTruncated, InsideThePadsCompleteEntriesAreTakenAndLaterOnesKept)
{
    const SettingsValues stored = Populated();
    const SettingsValues defaults = Defaults();
    const Bytes bytes = WriteSettings(stored);
    std::size_t entryEnd[PAD_COUNT];
    std::size_t end = 653;
    for (int i = 0; i < PAD_COUNT; ++i) {
        end += 4 + stored.padPaths[i].size();
        entryEnd[i] = end;
    }
    ASSERT_EQ(end, bytes.size());
    for (std::size_t size = 653; size <= bytes.size(); ++size) {
        const SettingsValues v = Read(Cut(bytes, size));
        EXPECT_EQ(v.actions[8], stored.actions[8]);
        for (int i = 0; i < PAD_COUNT; ++i) {
            EXPECT_EQ(v.padPaths[i], entryEnd[i] <= size ? stored.padPaths[i] : defaults.padPaths[i])
                << "pad " << i << ", file of " << size << " bytes";
        }
    }
}

TEST(SettingsTruncated, NoDataKeepsEverything)
{
    SettingsValues v = Defaults();
    ReadSettings(nullptr, 0, v);
    EXPECT_TRUE(v == Defaults());
}

TEST(SettingsTruncated, BytesAfterTheLastPadAreIgnored)
{
    Bytes bytes = WriteSettings(Populated());
    bytes.insert(bytes.end(), {9, 9, 9, 9, 9});
    EXPECT_TRUE(Read(bytes) == Populated());
}

// ---- Garbage -------------------------------------------------------------------

// What the reader hands on must be something the panel can take: at most
// eight steps with nothing after them, and texts that fit their buffers.
void ExpectUsable(const SettingsValues& v, const std::string& what)
{
    EXPECT_LE(v.imageFolder.size(), 259u) << what;
    for (const ActionSettings& a : v.actions) {
        ASSERT_GE(a.count, 0) << what;
        ASSERT_LE(a.count, 8) << what;
        for (int j = a.count; j < 8; ++j) EXPECT_EQ(a.directions[j], 0) << what;
    }
    for (const std::string& path : v.padPaths) {
        EXPECT_LE(path.size(), 259u) << what;
        EXPECT_EQ(path.find('\0'), std::string::npos) << what;
    }
}

TEST(SettingsGarbage, RandomBytesNeverCrashAndGiveUsableValues)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 1800);
    for (int round = 0; round < 300; ++round) {
        Bytes bytes(length(random));
        for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(byte(random));
        const SettingsValues v = Read(bytes);
        ExpectUsable(v, "round " + std::to_string(round));
    }
}

TEST(SettingsGarbage, DamagedRealFilesNeverCrashAndGiveUsableValues)
{
    std::mt19937 random(7);
    const Bytes original = WriteSettings(Populated());
    std::uniform_int_distribution<std::size_t> position(0, original.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
        Bytes bytes = original;
        for (int n = 0; n < 1 + round % 8; ++n) {
            bytes[position(random)] = static_cast<std::uint8_t>(byte(random));
        }
        // Lengths of the pads are the dangerous part: hit them often.
        if (round % 3 == 0) PutDword(bytes, 653, static_cast<std::uint32_t>(random()));
        const SettingsValues v = Read(Cut(bytes, position(random) + 1));
        ExpectUsable(v, "round " + std::to_string(round));
    }
}

}  // namespace
