#include "store/SlotStore.h"

#include "base/CodePage.h"
#include "support/FileSizeLimit.h"
#include "support/Folder.h"
#include "support/KindRaised.h"
#include "support/RecordingPrompts.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

using test::Folder;

// Every slot field away from its default, so a line read from the wrong place shows.
AnnotationSettings unusualSettings()
{
    AnnotationSettings s;
    s.tipSymbol = 6;
    s.lineType = 3;
    s.frameType = 12;
    s.attachPosition = 4;
    s.copyMode = 2;
    s.textType = 7;
    s.extensionLength = 42;
    s.extensionLengthMode = 1;
    s.textSlide = 5;
    s.selectedPattern = 3;
    s.useEmbeddedText = true;
    s.imeStartMode = 3;
    s.fontSwitch = -2;
    s.fillColor = 255;
    s.fillColorIndex = 9;
    s.fillInside = true;
    s.chosenFontName = sjis("游明朝");
    s.tiltFrame = true;
    s.textCenterBase = true;
    s.arrowLength = 33;
    s.leaderColor = 4;
    s.lineSpacing = -7;
    s.arrowColor = 2;
    s.extensionColor = 5;
    s.fillGap = 8;
    s.frameGapVertical = 91;
    s.frameGapHorizontal = -3;
    s.dotColor = 6;
    s.frameColor = 7;
    s.writeGroup = 16;
    s.lineLayer = 11;
    s.textLayer = 1;
    s.arrowAngle = 9;
    s.windowColor = 0;
    s.windowColorIndex = 19;
    s.dotRadius = 7;
    s.detectionRange = 0;
    s.noFrameGap = false;
    return s;
}

Lines validSlot() { return slotLines(unusualSettings(), 1); }

TEST(SlotStore, StoredLinesAreTheFileFormsAndComeBackWhole)
{
    test::RecordingPrompts prompts;
    const Folder folder;
    SlotStore store(folder.path(), prompts);
    store.load();
    const AnnotationSettings stored = unusualSettings();
    store.store(3, stored, 17);
    EXPECT_EQ(store.marker(3), SlotMarker::storedThisRun);

    const Lines file = folder.read("PSDATA3.tx");
    ASSERT_EQ(file.size(), 50u);
    const struct {
        std::size_t line;
        std::string text;
    } expected[] = {
        {0, "6"},   {1, "3"},    {2, "12"},   {3, "4"},    {4, "17"},   {5, "2"},   {6, "7"},   {7, "42"},
        {8, "1"},   {9, "5"},    {10, "1"},   {11, "1"},   {12, "255"}, {13, "9"},  {14, "1"},  {15, sjis("游明朝")},
        {16, "1"},  {17, "-2"},  {18, "1"},   {19, "000"}, {24, "000"}, {25, "33"}, {26, "4"},  {27, "-7"},
        {28, "2"},  {29, "5"},   {30, "8"},   {31, "91"},  {32, "-3"},  {33, "6"},  {34, "7"},  {35, "16"},
        {36, "11"}, {37, "1"},   {38, "9"},   {39, "0"},   {40, "19"},  {41, "3"},  {42, "07"}, {43, "0"},
        {44, "0"},  {45, "000"}, {49, "000"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(file[e.line], e.text) << "line " << e.line;

    // Read back by a later run into settings far from the stored ones.
    SlotStore again(folder.path(), prompts);
    again.load();
    EXPECT_EQ(again.marker(3), SlotMarker::loaded);
    AnnotationSettings applied;
    applied.continuous = 7;
    applied.fixedLeaderLength = true;
    applied.rememberedLeaderLength = "12.5";
    applied.imeStartMode = 2; // down keeps the caption's mode
    ASSERT_TRUE(again.apply(3, applied));
    AnnotationSettings want = stored;
    want.continuous = 7;
    want.fixedLeaderLength = true;
    want.rememberedLeaderLength = "12.5";
    want.imeStartMode = 2;
    EXPECT_EQ(slotLines(applied, 1), slotLines(want, 1));
    EXPECT_EQ(applied.continuous, 7);
    EXPECT_TRUE(applied.fixedLeaderLength);
    EXPECT_EQ(applied.rememberedLeaderLength, "12.5");
    EXPECT_EQ(applied.imeStartMode, 2);
}

TEST(SlotStore, OnlyAFileOfFiftyLinesIsASlot)
{
    test::RecordingPrompts prompts;
    Lines longer = validSlot();
    longer.push_back("000");
    Lines shorter = validSlot();
    shorter.pop_back();
    const struct {
        const char* what;
        std::optional<Lines> file;
        bool loaded;
    } cases[] = {
        {"fifty lines", validSlot(), true}, {"49 lines", shorter, false},   {"51 lines", longer, false},
        {"no file", std::nullopt, false},   {"empty file", Lines{}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Folder folder;
        if (c.file)
            folder.write("PSDATA5.tx", *c.file);
        SlotStore store(folder.path(), prompts);
        store.load();
        EXPECT_EQ(store.isEmpty(5), !c.loaded);
        EXPECT_TRUE(store.isEmpty(4));
        AnnotationSettings s;
        EXPECT_EQ(store.apply(5, s), c.loaded);
        EXPECT_EQ(s.frameType, c.loaded ? 12 : AnnotationSettings{}.frameType); // never half applied
    }
}

TEST(SlotStore, AValueNoControlCanShowIsRefusedAndNothingChanges)
{
    test::RecordingPrompts prompts;
    const struct {
        std::size_t line;
        const char* text;
        ErrorKind kind;
    } cases[] = {
        {2, "15", ErrorKind::Range},                                     // 文字枠 has 15 items
        {0, "-1", ErrorKind::Range},       {13, "23", ErrorKind::Range}, // fill colour box index
        {41, "6", ErrorKind::Range},                                     // six patterns
        {35, "17", ErrorKind::Range},                                    // groups 0..F after JWW書込
        {17, "200", ErrorKind::Range},                                   // a signed byte
        {9, "two", ErrorKind::Conversion}, {42, "", ErrorKind::Conversion}, {12, "1.5", ErrorKind::Conversion},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Folder folder;
        Lines file = validSlot();
        file[c.line] = c.text;
        folder.write("PSDATA1.tx", file);
        SlotStore store(folder.path(), prompts);
        store.load();
        const AnnotationSettings before;
        AnnotationSettings s = before;
        EXPECT_EQ(test::kindRaisedBy([&] { store.apply(1, s); }), c.kind);
        EXPECT_EQ(slotLines(s, 1), slotLines(before, 1));
    }
}

#ifndef _WIN32
using test::FileSizeLimit;

TEST(SlotStore, AFailedStoreKeepsTheOldFileAndTheHeldSlot)
{
    test::RecordingPrompts prompts;
    const Folder folder;
    const Lines old = validSlot();
    folder.write("PSDATA2.tx", old);
    const std::string before = folder.bytes("PSDATA2.tx");
    SlotStore store(folder.path(), prompts);
    store.load();
    {
        const FileSizeLimit limit(16);
        EXPECT_EQ(test::kindRaisedBy([&] { store.store(2, AnnotationSettings{}, 1); }), ErrorKind::InputOutput);
    }
    EXPECT_EQ(folder.bytes("PSDATA2.tx"), before);
    EXPECT_EQ(store.marker(2), SlotMarker::loaded);
    EXPECT_EQ(store.lines(2), old);
}
#endif

TEST(SlotStore, AStoreIntoAFolderThatIsAFileLeavesTheSlotEmpty)
{
    test::RecordingPrompts prompts;
    const Folder folder;
    folder.write("plain", {"not a folder"});
    SlotStore nowhere(folder.file("plain"), prompts);
    nowhere.load();
    EXPECT_EQ(test::kindRaisedBy([&] { nowhere.store(2, AnnotationSettings{}, 1); }), ErrorKind::InputOutput);
    EXPECT_TRUE(nowhere.isEmpty(2));
}

TEST(SlotStore, AValueThatWouldNotLoadAgainIsNeverWritten)
{
    test::RecordingPrompts prompts;
    const Folder folder;
    SlotStore store(folder.path(), prompts);
    store.load();
    AnnotationSettings s;
    s.frameType = 15;
    EXPECT_EQ(test::kindRaisedBy([&] { store.store(4, s, 1); }), ErrorKind::Range);
    s = AnnotationSettings{};
    s.chosenFontName = "a\r\nb";
    EXPECT_EQ(test::kindRaisedBy([&] { store.store(4, s, 1); }), ErrorKind::Conversion);
    EXPECT_FALSE(folder.exists("PSDATA4.tx"));
    EXPECT_TRUE(store.isEmpty(4));
}

} // namespace
} // namespace tagler
