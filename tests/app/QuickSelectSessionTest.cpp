#include "app/Session.h"

#include "app/Messages.h"
#include "base/Clock.h"
#include "base/CodePage.h"
#include "support/ExchangeFixture.h"
#include "support/Folder.h"
#include "support/RecordingPrompts.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tagler {
namespace {

using test::Folder;
using test::RecordingPrompts;
using Shown = std::vector<std::string>;

const FixedClock kClock(LocalDateTime{2024, 5, 6, 14, 7, 9, 2});

struct Started {
    explicit Started(const Folder& f) : session(f.path(), SessionMode::normal, prompts, kClock) { session.startUp(); }
    RecordingPrompts prompts;
    Session session;
};

void withExchange(const Folder& f, test::HeaderSpec spec = {}) { f.write("jwc_temp.txt", test::headerLines(spec)); }

TEST(QuickSelectSession, StoreApplyAndReleaseFollowTheButtons)
{
    Folder f(Folder::withDataFiles);
    withExchange(f);
    Started s(f);
    Session& session = s.session;
    const AnnotationSettings persistent = session.settings();
    EXPECT_EQ(session.quickSelect().loadAtStart(), 0);

    session.quickSelect().toggleSave();
    session.settings().frameType = 7;
    session.settings().tipSymbol = 6;
    EXPECT_EQ(session.quickSelect().pressSlot(3), SlotFeedback::saved);
    EXPECT_TRUE(f.exists("PSDATA3.tx"));
    EXPECT_EQ(session.quickSelect().slotSettings(3, persistent)->frameType, 7);

    // Releasing 「保存」 with slot 3 down changes nothing.
    session.quickSelect().toggleSave();
    EXPECT_EQ(session.settings().frameType, 7);

    session.settings().frameType = 4;
    EXPECT_EQ(session.quickSelect().pressSlot(3), SlotFeedback::none); // released: back to PLDATA and the pattern
    EXPECT_EQ(session.quickSelect().buttons().down, 0);
    EXPECT_EQ(session.settings().frameType, persistent.frameType);
    EXPECT_EQ(session.settings().tipSymbol, persistent.tipSymbol);

    // Stored in this run, applied from memory.
    EXPECT_EQ(session.quickSelect().pressSlot(3), SlotFeedback::none);
    EXPECT_EQ(session.settings().frameType, 7);
    EXPECT_EQ(session.settings().tipSymbol, 6);

    // An empty slot shows 保存なし and changes nothing, but its button is the one down.
    EXPECT_EQ(session.quickSelect().pressSlot(5), SlotFeedback::nothingSaved);
    EXPECT_EQ(session.settings().frameType, 7);
    EXPECT_EQ(session.quickSelect().buttons().down, 5);
    EXPECT_EQ(s.prompts.shown, Shown{});
}

TEST(QuickSelectSession, ReleasingKeepsTheOpenTextBook)
{
    Folder f(Folder::withDataFiles);
    withExchange(f);
    Started s(f);
    Session& session = s.session;
    session.quickSelect().loadAtStart();
    session.extras().textBookFolder = "\\other";
    session.extras().currentPage = 9;
    session.quickSelect().pressSlot(2);
    session.quickSelect().pressSlot(2);
    EXPECT_EQ(session.extras().textBookFolder, "\\other");
    EXPECT_EQ(session.extras().currentPage, 9);
}

TEST(QuickSelectSession, ContinuousKeepsTheSlotThatIsDown)
{
    const struct {
        const char* what;
        int press; // 0: no slot pressed
        bool continuous;
        const char* line23;
    } cases[] = {
        {"slot 7 down", 7, true, "7"},
        {"no slot down", 0, true, "11"},
        {"unchecked", 7, false, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Folder f(Folder::withDataFiles);
        withExchange(f);
        {
            Started s(f);
            s.session.quickSelect().loadAtStart();
            s.session.quickSelect().toggleSave();
            if (c.press)
                s.session.quickSelect().pressSlot(c.press);
            s.session.settings().continuous = c.continuous ? 11 : 0; // what the check box sets
            s.session.close();
        }
        EXPECT_EQ(f.read("PLDATA.tx")[23], c.line23);
    }
}

TEST(QuickSelectSession, TheNextStartPressesTheKeptSlot)
{
    Folder f(Folder::withDataFiles);
    withExchange(f);
    {
        Started s(f);
        s.session.quickSelect().loadAtStart();
        s.session.quickSelect().toggleSave();
        s.session.settings().frameType = 11;
        s.session.quickSelect().pressSlot(7);
        s.session.settings().frameType = 2;
        s.session.settings().continuous = 11;
        s.session.close();
    }
    Started s(f);
    EXPECT_NE(s.session.settings().frameType, 11); // the exit save keeps no frame
    EXPECT_EQ(s.session.quickSelect().loadAtStart(), 7);
    EXPECT_EQ(s.session.quickSelect().buttons().down, 7);
    EXPECT_EQ(s.session.settings().frameType, 11);
}

TEST(QuickSelectSession, MemoFileMessages)
{
    const struct {
        const char* what;
        std::optional<Lines> file;
        Shown shown;
        std::size_t linesAfter;
    } cases[] = {
        {"missing", std::nullopt, {"info: " + std::string(messages::kMemosCreated)}, 11},
        {"ten lines", Lines(10, "m"), {"warning: " + std::string(messages::kMemosInvalid)}, 10},
        {"thirteen lines", Lines(13, "m"), {"warning: " + std::string(messages::kMemosInvalid)}, 13},
        {"eleven lines", Lines(11, "m"), {}, 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Folder f(Folder::withDataFiles);
        withExchange(f);
        f.remove("SENTAKUMEMO.TX");
        if (c.file)
            f.write("SENTAKUMEMO.TX", *c.file);
        Started s(f);
        s.session.quickSelect().loadAtStart();
        EXPECT_EQ(s.prompts.shown, c.shown);
        EXPECT_EQ(f.read("SENTAKUMEMO.TX").size(), c.linesAfter);
    }
}

TEST(QuickSelectSession, AFailedStoreSaysSoAndTheSlotStaysEmpty)
{
    Folder f(Folder::withDataFiles);
    withExchange(f);
    QDir(QString::fromStdString(f.path())).mkdir("PSDATA4.tx"); // nothing can replace a folder
    Started s(f);
    s.session.quickSelect().loadAtStart();
    s.session.quickSelect().toggleSave();
    EXPECT_EQ(s.session.quickSelect().pressSlot(4), SlotFeedback::none);
    EXPECT_EQ(s.prompts.shown, Shown{"warning: " + std::string(messages::kIoError)});
    EXPECT_TRUE(s.session.quickSelect().slots().isEmpty(4));
}

TEST(QuickSelectSession, AnotherWindowsSlotKeptIsNoStore)
{
    Folder f(Folder::withDataFiles);
    withExchange(f);
    f.write("PSDATA3.tx", slotLines(AnnotationSettings{}, 1));
    Started s(f);
    s.session.quickSelect().loadAtStart();
    AnnotationSettings other;
    other.frameType = 9;
    f.write("PSDATA3.tx", slotLines(other, 1)); // another window stores slot 3
    s.prompts.answer = false;                   // keep its slot
    s.session.quickSelect().toggleSave();
    EXPECT_EQ(s.session.quickSelect().pressSlot(3), SlotFeedback::none);
    ASSERT_EQ(s.prompts.shown.size(), 1u);
    EXPECT_EQ(s.prompts.shown[0].rfind("question: ", 0), 0u);
    EXPECT_EQ(s.session.quickSelect().slotSettings(3, AnnotationSettings{})->frameType, 9);
}

TEST(QuickSelectSession, ASlotThatCannotBeAppliedSaysSoAndChangesNothing)
{
    Folder f(Folder::withDataFiles);
    withExchange(f);
    Lines slot = slotLines(AnnotationSettings{}, 1);
    slot[2] = "15"; // no 文字枠 item
    f.write("PSDATA2.tx", slot);
    Started s(f);
    s.session.quickSelect().loadAtStart();
    const Lines before = slotLines(s.session.settings(), 1);
    EXPECT_EQ(s.session.quickSelect().pressSlot(2), SlotFeedback::none);
    EXPECT_EQ(s.prompts.shown, Shown{"warning: " + *messages::dataErrorMessage(ErrorKind::Range)});
    EXPECT_EQ(slotLines(s.session.settings(), 1), before);
    // Nor has it a picture, like an empty slot or a number that is no slot.
    for (int slot : {2, 3, 0, 11})
        EXPECT_FALSE(s.session.quickSelect().slotSettings(slot, s.session.settings())) << slot;
}

TEST(QuickSelectSession, RememberedLength)
{
    const struct {
        const char* what;
        bool exchange;
        test::HeaderSpec header;
        bool remembered;
        const char* line25;
    } cases[] = {
        {"3-4-5 at 1/1", true, {.p1 = "0 0", .p2 = "30 40"}, true, "50"},
        {"at 1/2", true, {.p1 = "10 10", .p2 = "10 35", .scales = "2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2"}, true, "12.5"},
        {"no exchange file", false, {}, false, "0"},
        {"points that are no numbers", true, {.p1 = "a b"}, false, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Folder f(Folder::withDataFiles);
        if (c.exchange)
            withExchange(f, c.header);
        Started s(f);
        s.prompts.shown.clear();
        s.session.setInputLines({"kept"});
        const auto remembered = s.session.rememberLeaderLength();
        EXPECT_EQ(remembered.value_or("none"), c.remembered ? c.line25 : "none");
        EXPECT_EQ(s.prompts.shown,
                  c.remembered ? Shown{} : Shown{"warning: " + *messages::dataErrorMessage(ErrorKind::Conversion)});
        EXPECT_EQ(s.session.inputLines(), Lines{"kept"});
        EXPECT_FALSE(s.session.terminateRequested());
        s.session.close();
        EXPECT_EQ(f.read("PLDATA.tx")[25], c.line25);
    }
}

TEST(QuickSelectSession, AFixedLengthOfZeroLeavesTheLeaderAsIndicated)
{
    auto recordsWith = [](bool fixed, const char* length) {
        Folder f(Folder::withDataFiles);
        withExchange(f, {.p1 = "0 0", .p2 = "30 40", .p3 = "60 40"});
        Started s(f);
        s.session.setInputLines({"ABC"});
        s.session.settings().fixedLeaderLength = fixed;
        s.session.settings().rememberedLeaderLength = length;
        s.session.complete();
        return f.read("jwc_temp.txt");
    };
    const Lines free = recordsWith(false, "0");
    EXPECT_EQ(recordsWith(true, "0"), free);
    EXPECT_NE(recordsWith(true, "25"), free); // a remembered length still shortens it
}

} // namespace
} // namespace tagler
