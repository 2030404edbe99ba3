#include "core/automation/key_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The captions of the key buttons, as the resource script takes them.
const char* const captions[KEY_COUNT] = {
#define KEY(caption, id, virtualKey, x, y, width, height) caption,
#include "core/automation/keys.def"
#undef KEY
};

TEST(KeyTable, EightyOneButtonsFrom1025To1106Without1032)
{
    std::set<int> ids;
    for (const KeyDefinition& key : keyTable) ids.insert(key.controlId);
    EXPECT_EQ(ids.size(), 81u);
    EXPECT_EQ(*ids.begin(), 1025);
    EXPECT_EQ(*ids.rbegin(), 1106);
    EXPECT_EQ(ids.count(1032), 0u);
}

TEST(KeyTable, FixedRowsInTableOrder)
{
    struct Row { int order; const char* caption; int id; int vk; };
    const Row rows[] = {
        {0, "Esc", 1025, 0x1B},   {1, "F1", 1026, 0x70},    {3, "F3", 1028, 0x72},
        {4, "F4", 1034, 0x73},    {12, "F12", 1042, 0x7B},  {13, "Tab", 1079, 0x09},
        {14, "Shift", 1029, 0x10}, {15, "Ctrl", 1030, 0x11}, {16, "Alt", 1080, 0x12},
        {17, "Space", 1031, 0x20}, {18, "Enter", 1033, 0x0D}, {19, "1", 1043, 0x31},
        {27, "9", 1051, 0x39},    {28, "0", 1052, 0x30},    {55, "↑", 1081, 0x26},
        {56, "←", 1082, 0x25},    {57, "↓", 1083, 0x28},    {58, "→", 1084, 0x27},
        {59, "1", 1085, 0x61},    {67, "9", 1093, 0x69},    {68, "0", 1094, 0x60},
        {69, ".", 1095, 0x6E},    {70, "*", 1096, 0x6A},    {71, "-", 1097, 0x6D},
        {72, "+", 1098, 0x6B},    {73, "/", 1099, 0x6F},    {74, "Del", 1100, 0x2E},
        {75, "Back", 1101, 0x08}, {76, "Ins", 1102, 0x2D},  {77, "Home", 1103, 0x24},
        {78, "End", 1104, 0x23},  {79, "PgUp", 1105, 0x21}, {80, "PgDn", 1106, 0x22},
    };
    for (const Row& row : rows) {
        const KeyDefinition& key = keyTable[row.order];
        EXPECT_STREQ(captions[row.order], row.caption) << "order " << row.order;
        EXPECT_EQ(key.controlId, row.id) << "order " << row.order;
        EXPECT_EQ(key.virtualKey, row.vk) << "order " << row.order;
    }
}

TEST(KeyTable, LettersAlphabeticalWithIdsOfTheKeyboardRows)
{
    const std::string rowsOfKeyboard = "QWERTYUIOPASDFGHJKLZXCVBNM";  // ids 1053 to 1078
    for (int i = 0; i < 26; ++i) {
        const char letter = static_cast<char>('A' + i);
        const KeyDefinition& key = keyTable[29 + i];
        EXPECT_EQ(captions[29 + i], std::string(1, letter));
        EXPECT_EQ(key.virtualKey, letter);
        EXPECT_EQ(key.controlId, 1053 + static_cast<int>(rowsOfKeyboard.find(letter)))
            << "letter " << letter;
    }
    EXPECT_EQ(keyTable[29].controlId, 1063);  // A
    EXPECT_EQ(keyTable[30].controlId, 1076);  // B
    EXPECT_EQ(keyTable[31].controlId, 1074);  // C
    EXPECT_EQ(keyTable[54].controlId, 1072);  // Z
}

TEST(KeyTable, FindByControlId)
{
    EXPECT_EQ(KeyIndexOfControl(1025), 0);
    EXPECT_EQ(KeyIndexOfControl(1063), 29);
    EXPECT_EQ(KeyIndexOfControl(1106), 80);
    EXPECT_EQ(KeyIndexOfControl(1032), -1);
    EXPECT_EQ(KeyIndexOfControl(0), -1);
}

}  // namespace
