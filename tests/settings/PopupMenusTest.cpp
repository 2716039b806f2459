#include "settings/PopupMenus.h"

#include "SettingsTestSupport.h"

namespace tagler {
namespace {

AnnotationSettings colouredSettings()
{
    AnnotationSettings s;
    s.leaderColor = 5;
    s.arrowColor = 1;
    s.dotColor = 2;
    s.extensionColor = 7;
    s.frameColor = 8;
    s.dotRadius = 27;
    return s;
}

TEST(PopupMenus, LeaderColourRecoloursEveryPartAsTheLeader)
{
    for (int item = 0; item <= 8; ++item) {
        SCOPED_TRACE(item);
        AnnotationSettings s = colouredSettings();
        chooseLeaderColor(s, item);
        EXPECT_EQ(s.leaderColor, item);
        EXPECT_EQ(s.arrowColor, 0);
        EXPECT_EQ(s.dotColor, 0);
        EXPECT_EQ(s.extensionColor, 0);
        EXPECT_EQ(s.frameColor, 0);
        EXPECT_EQ(s.dotRadius, 27);
        EXPECT_EQ(popupMenuChecks(s).leaderColor, item);
    }
}

TEST(PopupMenus, ItemsThatDoNotExistChangeNothing)
{
    AnnotationSettings s = colouredSettings();
    EXPECT_EQ(test::kindRaisedBy([&] { chooseLeaderColor(s, 9); }), ErrorKind::Range);
    EXPECT_EQ(test::kindRaisedBy([&] { chooseDotRadiusOnes(s, -1); }), ErrorKind::Range);
    EXPECT_EQ(test::kindRaisedBy([&] { chooseDotRadiusTenths(s, 10); }), ErrorKind::Range);
    test::expectSameBasicSettings(s, colouredSettings());
}

TEST(PopupMenus, DotRadiusDigitsAreChosenOneAtATime)
{
    const struct {
        int before;
        bool ones;
        int digit;
        int after;
    } cases[] = {
        {27, true, 4, 47}, {27, false, 0, 20}, {5, true, 9, 95}, {90, false, 9, 99}, {99, true, 0, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.before << (c.ones ? " x1 " : " x0.1 ") << c.digit);
        AnnotationSettings s;
        s.dotRadius = c.before;
        c.ones ? chooseDotRadiusOnes(s, c.digit) : chooseDotRadiusTenths(s, c.digit);
        EXPECT_EQ(s.dotRadius, c.after);
        EXPECT_EQ(popupMenuChecks(s), (PopupMenuChecks{0, c.after / 10, c.after % 10}));
    }
}

} // namespace
} // namespace tagler
