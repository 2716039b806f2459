// The IME start-mode toggle: the cycle of modes and what it asks the input method.
#include "app/ImeStartButton.h"

#include "app/ImeConversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace tagler {
namespace {

class RecordingIme final : public ImeControl {
public:
    void setMode(ImeMode mode) override { requested.push_back(mode); }
    ImeMode current() const { return requested.empty() ? ImeMode::dontCare : requested.back(); }
    std::vector<ImeMode> requested;
};

TEST(ImeStartButton, StoredValueSetsTheButtonAtStart)
{
    const struct {
        const char* name;
        int stored;
        bool down;
        int mode;
        std::vector<ImeMode> requested;
    } cases[] = {
        {"up", 0, false, 1, {}},
        {"hiragana", 1, true, 1, {ImeMode::hiragana}},
        {"half-width katakana", 3, true, 3, {ImeMode::katakanaHalf}},
        {"full-width alphanumeric", 4, true, 4, {ImeMode::alphanumericFull}},
        {"out of the cycle is up", 7, false, 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingIme ime;
        const ImeStartButton b = imeButtonAtStart(c.stored, ime);
        EXPECT_EQ(b.down, c.down);
        EXPECT_EQ(b.mode, c.mode);
        EXPECT_EQ(ime.requested, c.requested);
        EXPECT_EQ(b.storedValue(), c.down ? c.mode : 0);
    }
}

TEST(ImeStartButton, RightButtonWhileUpChangesNothing)
{
    RecordingIme ime;
    const ImeStartButton up{false, 2};
    EXPECT_EQ(advanceImeButton(up, ime), up);
    EXPECT_TRUE(ime.requested.empty());
}

TEST(ImeStartButton, FourRightClicksReturnToTheStartMode)
{
    RecordingIme ime;
    ImeStartButton b = imeButtonAtStart(2, ime);
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        b = advanceImeButton(b, ime);
        seen.push_back(b.mode);
    }
    EXPECT_EQ(seen, (std::vector<int>{3, 4, 1, 2}));
    EXPECT_EQ(ime.current(), ImeMode::katakanaFull);
    EXPECT_EQ(b.storedValue(), 2);
}

TEST(ImeStartButton, LeftClicksOpenAndCloseTheInputMethod)
{
    RecordingIme ime;
    ImeStartButton b = imeButtonAtStart(4, ime);
    b = clickImeButton(b, ime);
    EXPECT_FALSE(b.down);
    EXPECT_EQ(ime.current(), ImeMode::closed);
    EXPECT_EQ(b.storedValue(), 0);
    // The caption kept its mode while up; pressing again asks for it.
    b = clickImeButton(b, ime);
    EXPECT_EQ(ime.current(), ImeMode::alphanumericFull);
    EXPECT_EQ(b.storedValue(), 4);
}

// What each mode asks of an input method with an open state and conversion flags.
TEST(ImeStartButton, ModesAsOpenStateAndConversion)
{
    const struct {
        ImeMode mode;
        std::optional<ImeConversion> conversion; // {open, native (kana), katakana, full width}
    } rows[] = {
        {ImeMode::dontCare, std::nullopt},
        {ImeMode::closed, ImeConversion{false, false, false, false}},
        {ImeMode::hiragana, ImeConversion{true, true, false, true}},
        {ImeMode::katakanaFull, ImeConversion{true, true, true, true}},
        {ImeMode::katakanaHalf, ImeConversion{true, true, true, false}},
        {ImeMode::alphanumericFull, ImeConversion{true, false, false, true}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(imeConversion(row.mode), row.conversion) << static_cast<int>(row.mode);
}

} // namespace
} // namespace tagler
