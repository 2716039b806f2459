#include "settings/ControlEnabling.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

// The frame-dependent controls of a leader annotation, per 文字枠 index.
struct FrameRow {
    int frameType;
    bool textSlide;
    bool attachPosition;
    bool extensionLengthMode;
    bool tipSymbol;
};

constexpr FrameRow kFrameRows[] = {
    // f  slide  attach extends tip
    {0, false, true, false, true},    // 枠無
    {1, true, false, false, true},    // 下線
    {2, false, true, false, true},    // 四角
    {3, false, false, false, true},   // 長丸
    {4, false, true, false, true},    // 括弧
    {5, false, true, true, true},     // 枠無延長
    {6, true, false, true, true},     // 下線延長
    {7, false, true, true, true},     // 四角延長
    {8, false, false, true, true},    // 長丸延長
    {9, false, true, true, true},     // 括弧延長
    {10, false, false, false, false}, // 吹出四角
    {11, false, false, false, false}, // 雲　等片
    {12, false, false, false, false}, // 雲　異片
    {13, false, true, false, true},   // 曲線引出１
    {14, false, true, false, true},   // 曲線引出２
};

TEST(ControlEnabling, LeaderModesFollowTheFrameType)
{
    for (SessionMode mode : {SessionMode::normal, SessionMode::fourPoint}) {
        for (const FrameRow& row : kFrameRows) {
            for (int extensionMode : {0, 1}) {
                SCOPED_TRACE(testing::Message() << "mode " << static_cast<int>(mode) << " frame " << row.frameType
                                                << " 延長線長さ " << extensionMode);
                const ControlEnabling e = updateControlEnabling(frameTypeAt(row.frameType), extensionMode, mode);
                EXPECT_EQ(e.textSlide, row.textSlide);
                EXPECT_EQ(e.attachPosition, row.attachPosition);
                EXPECT_EQ(e.extensionLengthMode, row.extensionLengthMode);
                EXPECT_EQ(e.extensionLength, row.extensionLengthMode && extensionMode == 1);
                EXPECT_EQ(e.tipSymbol, row.tipSymbol);

                ControlEnabling rest = e; // nothing else depends on the frame in these modes
                rest.textSlide = rest.attachPosition = rest.extensionLengthMode = rest.extensionLength =
                    rest.tipSymbol = true;
                EXPECT_EQ(rest, ControlEnabling{});
            }
        }
    }
}

ControlEnabling existingTextModes()
{
    ControlEnabling e;
    e.tipSymbol = e.attachPosition = e.textSlide = false;
    e.extensionLengthMode = e.extensionLength = false;
    e.useEmbeddedText = e.registerSettings = e.tiltFrame = false;
    e.quickSelectSave = e.clear = e.fontSwitch = false;
    e.popupDotRadiusOnes = e.popupDotRadiusTenths = false;
    e.fixedLeaderLength = e.rememberLength = false;
    return e;
}

TEST(ControlEnabling, SpecialModesDisableTheSameControlsWhateverTheFrame)
{
    ControlEnabling importText = existingTextModes();
    importText.popupLeaderColor = false;
    importText.basicSettings = false;

    ControlEnabling textMode;
    textMode.tipSymbol = textMode.textSlide = false;
    textMode.extensionLengthMode = textMode.extensionLength = false;
    textMode.popupDotRadiusOnes = textMode.popupDotRadiusTenths = false;

    const struct {
        SessionMode mode;
        ControlEnabling expected;
    } rows[] = {
        {SessionMode::importText, importText},
        {SessionMode::frameWrite1, existingTextModes()},
        {SessionMode::frameWrite2, existingTextModes()},
        {SessionMode::textMode, textMode},
    };
    for (const auto& row : rows)
        for (int frame = 0; frame < kFrameTypeCount; ++frame)
            for (int extensionMode : {0, 1})
                EXPECT_EQ(updateControlEnabling(frameTypeAt(frame), extensionMode, row.mode), row.expected)
                    << "mode " << static_cast<int>(row.mode) << " frame " << frame << " 延長線長さ " << extensionMode;
}

TEST(ControlEnabling, ReadsFrameAndExtensionModeFromTheSettings)
{
    AnnotationSettings s;
    s.frameType = 7;
    s.extensionLengthMode = 1;
    EXPECT_TRUE(updateControlEnabling(s, SessionMode::normal).extensionLength);
    s.extensionLengthMode = 0;
    EXPECT_FALSE(updateControlEnabling(s, SessionMode::normal).extensionLength);
    s.frameType = 10;
    EXPECT_FALSE(updateControlEnabling(s, SessionMode::fourPoint).tipSymbol);
}

} // namespace
} // namespace tagler
