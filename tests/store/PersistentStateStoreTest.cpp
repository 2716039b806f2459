#include "store/PersistentStateStore.h"

#include "base/Error.h"
#include "support/Folder.h"
#include "support/RecordingPrompts.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

using test::fixture;

TEST(PersistentStateStore, LoadingWritesNothingAndTheExitSaveSparesARefusedFile)
{
    test::RecordingPrompts prompts;
    const struct {
        const char* file;
        FileState state;
        bool padded;
        int tipSymbol; // 0: nothing applied
    } cases[] = {
        {"pl_full.tx", FileState::accepted, false, 6},
        {"pl_25lines.tx", FileState::accepted, true, 6},
        {"pl_short24.tx", FileState::refused, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const test::Folder folder;
        folder.write(kPersistentStateFileName, readLines(fixture(c.file)));
        const std::string before = folder.bytes(kPersistentStateFileName);
        PersistentStateStore store(folder.path(), prompts);
        AnnotationSettings settings;
        settings.tipSymbol = 0;
        SessionExtras extras;

        const PersistentStateStore::Loaded loaded = store.load(settings, extras);
        EXPECT_EQ(loaded.state, c.state);
        EXPECT_EQ(loaded.padded, c.padded);
        EXPECT_EQ(settings.tipSymbol, c.tipSymbol);
        EXPECT_EQ(folder.bytes(kPersistentStateFileName), before);

        settings.fixedLeaderLength = true;
        extras.currentPage = 9;
        const bool saved = store.saveOnExit(settings, extras);
        EXPECT_EQ(saved, c.state == FileState::accepted);
        if (saved) {
            const Lines written = folder.read(kPersistentStateFileName);
            ASSERT_EQ(written.size(), kPersistentStateLineCount);
            EXPECT_EQ(written[4], "9");
            EXPECT_EQ(written[24], "1");
        } else {
            EXPECT_EQ(folder.bytes(kPersistentStateFileName), before);
        }
    }
}

TEST(PersistentStateStore, TheExitSaveSparesAFileWithARefusedValue)
{
    const struct {
        std::size_t line;
        const char* value;
    } bad[] = {{0, "99"}, {2, "abc"}, {4, "0"}, {15, "999"}, {19, "50"}};
    for (const auto& b : bad) {
        SCOPED_TRACE(b.line);
        const test::Folder folder;
        Lines lines = readLines(fixture("pl_full.tx"));
        lines[11] = "\\sub";
        lines[23] = "7";
        lines[24] = "1";
        lines[25] = "12.5";
        lines[b.line] = b.value;
        folder.write(kPersistentStateFileName, lines);
        const std::string before = folder.bytes(kPersistentStateFileName);
        test::RecordingPrompts prompts;
        PersistentStateStore store(folder.path(), prompts);
        AnnotationSettings settings;
        SessionExtras extras;
        EXPECT_THROW(store.load(settings, extras), Error);

        EXPECT_FALSE(store.saveOnExit(settings, extras));
        EXPECT_EQ(folder.bytes(kPersistentStateFileName), before);
    }
}

TEST(PersistentStateStore, PaddedLinesAreWhatARewriteWrites)
{
    test::RecordingPrompts prompts;
    const test::Folder folder;
    const Lines shortFile = readLines(fixture("pl_25lines.tx"));
    folder.write(kPersistentStateFileName, shortFile);
    PersistentStateStore store(folder.path(), prompts);
    AnnotationSettings settings;
    SessionExtras extras;
    ASSERT_TRUE(store.load(settings, extras).padded);
    store.rewrite();

    Lines expected = shortFile;
    expected.resize(kPersistentStateLineCount, "0");
    EXPECT_EQ(folder.read(kPersistentStateFileName), expected);
}

TEST(PersistentStateStore, TheExitSaveOfASecondWindowAsksBeforeUndoingTheFirst)
{
    const struct {
        const char* what;
        bool moved; // the second window was moved
        bool answer;
        bool asked;
        const char* leftAfter; // the file's window left afterwards; the first window left it at 100
    } cases[] = {
        {"moved, No", true, false, true, "100"},
        {"moved, Yes", true, true, true, "200"},
        {"not moved", false, true, false, "100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const test::Folder folder;
        folder.write(kPersistentStateFileName, readLines(fixture("pl_full.tx")));
        test::RecordingPrompts prompts;
        prompts.answer = c.answer;
        PersistentStateStore second(folder.path(), prompts);
        AnnotationSettings settings;
        SessionExtras extras;
        second.load(settings, extras);
        ASSERT_NE(extras.windowLeft, "100");
        {
            test::RecordingPrompts quiet;
            PersistentStateStore first(folder.path(), quiet);
            AnnotationSettings s;
            SessionExtras x;
            first.load(s, x);
            x.windowLeft = "100";
            ASSERT_TRUE(first.saveOnExit(s, x));
        }
        if (c.moved)
            extras.windowLeft = "200";
        EXPECT_EQ(second.saveOnExit(settings, extras), c.asked && c.answer);
        EXPECT_EQ(prompts.shown.size(), c.asked ? 1u : 0u);
        EXPECT_EQ(folder.read(kPersistentStateFileName)[16], c.leftAfter);
    }
}

TEST(PersistentStateStore, RegisteringWritesAWholeFileWhateverWasThere)
{
    test::RecordingPrompts prompts;
    const struct {
        const char* what;
        const char* file; // nullptr: none
    } cases[] = {{"missing", nullptr}, {"refused", "pl_short24.tx"}, {"whole", "pl_full.tx"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const test::Folder folder;
        if (c.file)
            folder.write(kPersistentStateFileName, readLines(fixture(c.file)));
        PersistentStateStore store(folder.path(), prompts);
        AnnotationSettings settings;
        SessionExtras extras;
        store.load(settings, extras);

        settings.frameType = 11;
        settings.rememberedLeaderLength = "12.5";
        store.registerSettings(settings, extras);
        EXPECT_EQ(settings.rememberedLeaderLength, "0");

        PersistentStateStore reread(folder.path(), prompts);
        AnnotationSettings read;
        SessionExtras readExtras;
        const PersistentStateStore::Loaded loaded = reread.load(read, readExtras);
        EXPECT_EQ(loaded.state, FileState::accepted);
        EXPECT_FALSE(loaded.padded);
        EXPECT_EQ(read.frameType, 11);
        EXPECT_EQ(read.rememberedLeaderLength, "0");
    }
}

} // namespace
} // namespace tagler
