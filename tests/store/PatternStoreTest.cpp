#include "store/PatternStore.h"

#include "base/CodePage.h"
#include "support/Folder.h"
#include "support/RecordingPrompts.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

using test::fixture;

Lines block(const Lines& lines, int pattern)
{
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(kPatternBlockLines) * pattern;
    return Lines(first, first + static_cast<std::ptrdiff_t>(kPatternBlockLines));
}

TEST(PatternStore, NamesAndSettingsComeOnlyFromAWholeFile)
{
    test::RecordingPrompts prompts;
    const struct {
        const char* what;
        const char* file; // nullptr: none
        FileState state;
        std::string secondName;
        int arrowLengthOfPattern1; // after selecting it; 7 when nothing was applied
    } cases[] = {
        {"whole", "pk_valid.tx", FileState::accepted, sjis("平面詳細図用　縮尺１／５０"), 35},
        {"refused", "pk_125.tx", FileState::refused, sjis("基本設定 2"), 7},
        {"missing", nullptr, FileState::missing, sjis("基本設定 2"), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const test::Folder folder;
        if (c.file)
            folder.write(kBasicSettingsFileName, readLines(fixture(c.file)));
        PatternStore store(folder.path(), prompts);
        AnnotationSettings settings;
        settings.selectedPattern = 0;
        EXPECT_EQ(store.load(settings), c.state);
        EXPECT_EQ(store.names()[1], c.secondName);

        if (c.arrowLengthOfPattern1 < 0)
            continue;
        settings.arrowLength = 7;
        store.select(1, settings);
        EXPECT_EQ(settings.arrowLength, c.arrowLengthOfPattern1);
    }
}

TEST(PatternStore, RegisteringKeepsAWholeFileAndRebuildsAMissingOrRefusedOne)
{
    test::RecordingPrompts prompts;
    const struct {
        const char* what;
        const char* file; // nullptr: none
        Lines otherBlock; // pattern 0 after registering pattern 3
    } cases[] = {
        {"whole", "pk_valid.tx", block(readLines(fixture("pk_valid.tx")), 0)},
        {"refused", "pk_125.tx", block(defaultBasicSettingsLines(), 0)},
        {"missing", nullptr, block(defaultBasicSettingsLines(), 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const test::Folder folder;
        if (c.file)
            folder.write(kBasicSettingsFileName, readLines(fixture(c.file)));
        PatternStore store(folder.path(), prompts);
        AnnotationSettings settings;
        store.load(settings);

        settings.arrowLength = 42;
        store.registerPattern(3, settings, sjis("詳細"));
        EXPECT_EQ(store.names()[3], sjis("詳細"));

        const Lines written = folder.read(kBasicSettingsFileName);
        ASSERT_EQ(written.size(), kBasicSettingsLineCount);
        EXPECT_EQ(block(written, 0), c.otherBlock);
        EXPECT_EQ(written[kPatternNamesLine + 3], sjis("詳細"));
        PatternStore reread(folder.path(), prompts);
        AnnotationSettings read;
        read.selectedPattern = 3;
        EXPECT_EQ(reread.load(read), FileState::accepted);
        EXPECT_EQ(read.arrowLength, 42);
    }
}

} // namespace
} // namespace tagler
