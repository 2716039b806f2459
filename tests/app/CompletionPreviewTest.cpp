#include "app/CompletionPreview.h"

#include "app/DeriveSession.h"
#include "app/Session.h"
#include "base/Clock.h"
#include "base/CodePage.h"
#include "support/ExchangeFixture.h"
#include "support/Folder.h"
#include "support/RecordingPrompts.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tagler {
namespace {

using test::Folder;

const FixedClock kClock(LocalDateTime{2024, 5, 6, 14, 7, 9, 2});

struct Started {
    explicit Started(const Folder& f, SessionMode mode) : session(f.path(), mode, prompts, kClock)
    {
        session.startUp();
    }
    test::RecordingPrompts prompts;
    Session session;
};

Lines selectionFile(SessionMode mode)
{
    Lines l = test::headerLines({}, mode);
    for (const char* r : {"cn3", "ch 0 0 24 0 \"FD-1", "ch 0 20 24 8 \"VP100A"})
        l.push_back(r);
    return l;
}

// The preview is what completion writes, to the record, and changes nothing.
TEST(CompletionPreview, IsWhatCompletionWritesInEveryMode)
{
    struct Case {
        SessionMode mode;
        Lines exchange;
        int frameType;
        bool tilt;
    };
    const Case cases[] = {
        {SessionMode::normal, test::headerLines({}), 2, false},
        {SessionMode::normal, test::headerLines({}), 12, true},
        {SessionMode::textMode, test::headerLines({}, SessionMode::textMode), 11, false},
        {SessionMode::fourPoint, test::headerLines({}, SessionMode::fourPoint), 10, false},
        {SessionMode::frameWrite1, selectionFile(SessionMode::frameWrite1), 3, true},
        {SessionMode::frameWrite2, selectionFile(SessionMode::frameWrite2), 11, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode) * 100 + c.frameType);
        Folder previewed(Folder::withDataFiles), completed(Folder::withDataFiles);
        previewed.write("jwc_temp.txt", c.exchange);
        completed.write("jwc_temp.txt", c.exchange);
        Started p(previewed, c.mode), w(completed, c.mode);
        for (Session* s : {&p.session, &w.session}) {
            s->settings().frameType = c.frameType;
            s->settings().tiltFrame = c.tilt;
            s->setInputLines({sjis("防火戸"), "FD-1"});
        }
        const AnnotationSettings before = p.session.settings();
        const CompletionPreview preview = previewCompletion(p.session);
        EXPECT_EQ(preview.message, "");
        EXPECT_FALSE(preview.records.empty());

        w.session.complete();
        EXPECT_EQ(preview.records, completed.read("jwc_temp.txt"));
        EXPECT_EQ(previewed.read("jwc_temp.txt"), c.exchange);
        EXPECT_EQ(p.session.settings().frameType, before.frameType);
        EXPECT_EQ(p.session.settings().tiltFrame, before.tiltFrame);
    }
}

TEST(CompletionPreview, ImportingHasTheSelectionAloneToShow)
{
    Folder import(Folder::withDataFiles);
    import.write("jwc_temp.txt", selectionFile(SessionMode::importText));
    Started i(import, SessionMode::importText);
    const CompletionPreview imported = previewCompletion(i.session);
    EXPECT_EQ(imported.message, "");
    EXPECT_TRUE(imported.records.empty());
    EXPECT_EQ(i.session.exchange().exchangeLines, selectionFile(SessionMode::importText));
}

TEST(IndicatedPoints, AreNumberedAsTheProgramNamesThem)
{
    const test::HeaderSpec spec{"1 2", "3 4", "5 6", "7 8"};
    struct Case {
        SessionMode mode;
        std::vector<std::tuple<int, float, float>> expected;
    };
    const Case cases[] = {
        {SessionMode::normal, {{1, 1, 2}, {2, 3, 4}, {3, 5, 6}}},
        {SessionMode::textMode, {{1, 1, 2}, {3, 5, 6}}},
        {SessionMode::fourPoint, {{1, 1, 2}, {2, 3, 4}, {3, 5, 6}, {4, 7, 8}}},
        {SessionMode::frameWrite2, {}},
    };
    for (const Case& c : cases) {
        const HostHeader header = parseHostHeader(test::headerLines(spec, c.mode), c.mode);
        std::vector<std::tuple<int, float, float>> got;
        for (const IndicatedPoint& p : indicatedPoints(header, c.mode))
            got.emplace_back(p.number, p.at.x, p.at.y);
        EXPECT_EQ(got, c.expected) << static_cast<int>(c.mode);
    }
}

} // namespace
} // namespace tagler
