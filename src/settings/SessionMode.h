#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace tagler {

// Chosen once at start from the first command-line argument.
enum class SessionMode {
    normal = 0,
    importText = 1,  // T1
    frameWrite1 = 2, // T2
    frameWrite2 = 3, // T3
    textMode = 4,    // T4
    fourPoint = 5,   // T5
};

inline constexpr int kSessionModeCount = 6;

// Where the program finds the header's values in the hand-over.
enum class HeaderLayout {
    points,    // range line, points 1..3, then the host's records
    textMode,  // two points; point 2 is read from point 1's line
    fourPoint, // four points: tip, bend, leader end, direction
    selection, // no points: the selected records follow the host's records
};

// What completion makes of the session.
enum class Completion {
    annotation,  // a new annotation from the typed text and the indicated points
    importTexts, // the selected texts into the input box; nothing is written
    frameAll,    // one frame around all the selected texts
    frameEach,   // a frame around each selected text
};

// Which controls a mode leaves nothing to do for.
enum class DisabledControls {
    byFrame,        // only what the chosen frame has no use for
    existingText,   // everything but the frame's own options: the texts are there already
    importedText,   // as existingText, and the colours and patterns too
    leaderlessText, // the tip, the slide and the extension: there is no leader
};

// A point the host asks the drafter for, as the mode's batch file directs it.
struct AskedPoint {
    int fills;          // the point it is read as: 1 tip, 2 leader end, 3 direction, 4 bend
    bool rubberBand;    // "#n-": drawn from the previous point, tagged "hpn-"
    const char* prompt; // UTF-8, the host's status line while it waits for the point
};

struct SessionModeTraits {
    const char* argument; // as the host passes it, in either case; "" for normal
    const char* caption;  // UTF-8, the completion button's caption
    // The host writes the selected records instead of indicated points.
    bool handsOverSelection;
    // Frames are drawn around the texts handed over instead of a new annotation.
    bool framesExistingText;
    HeaderLayout header;
    Completion completion;
    DisabledControls disables;
    bool drawsLeader; // a leader from point 1, with its tip
    bool bendsLeader; // the leader runs through point 4 before point 2
    // The text alone stands at point 1: no leader or tip; the attach shift moves the text.
    bool textOnly;
    // The batch file the host is given for the mode: its name, the description
    // its 外部変形 dialog lists (UTF-8), the points it asks for in order, and
    // the prompt of the range selection where it hands one over.
    const char* batchFile;
    const char* batchDescription;
    std::span<const AskedPoint> points;
    const char* selectionPrompt; // UTF-8; "" where no selection is made
};

namespace session_modes {

using L = HeaderLayout;
using C = Completion;
using D = DisabledControls;

// clang-format off
inline constexpr AskedPoint kLeaderPoints[] = {
    {1, false, "引出線の始点（矢印の先）を指示してください"},
    {2, false, "引出線の終点（文字の位置）を指示してください"},
    {3, true,  "文字の方向（延長線の終点）を指示してください"},
};
// Point 2 is read from point 1's line: the text stands where the leader would end.
inline constexpr AskedPoint kTextPoints[] = {
    {1, false, "文字の基点を指示してください"},
    {3, true,  "文字の方向を指示してください"},
};
inline constexpr AskedPoint kBentLeaderPoints[] = {
    {1, false, "引出線の始点（矢印の先）を指示してください"},
    {4, false, "引出線の折れ点を指示してください"},
    {2, false, "引出線の終点（文字の位置）を指示してください"},
    {3, true,  "文字の方向（延長線の終点）を指示してください"},
};

inline constexpr std::array<SessionModeTraits, kSessionModeCount> kTraits{{
    // argument caption   selection framing header      completion      disables           leader bends textOnly
    {"",   "入力完了", false, false, L::points,    C::annotation,  D::byFrame,        true,  false, false,
     "TAGLER.BAT",  "タグラー 注釈（引出線・文字枠）",       kLeaderPoints, ""},
    {"T1", "取込完了", true,  false, L::selection, C::importTexts, D::importedText,   false, false, false,
     "TAGLER1.BAT", "タグラー 文字の取込（T1）",             {}, "取り込む文字を範囲選択してください（終点は右クリック）"},
    {"T2", "枠書込１", true,  true,  L::selection, C::frameAll,    D::existingText,   false, false, false,
     "TAGLER2.BAT", "タグラー 既存文字に枠（T2）",           {}, "枠を付ける文字を範囲選択してください（終点は右クリック）"},
    {"T3", "枠書込２", true,  true,  L::selection, C::frameEach,   D::existingText,   false, false, false,
     "TAGLER3.BAT", "タグラー 既存文字に一つずつ枠（T3）",   {}, "一つずつ枠を付ける文字を範囲選択してください（終点は右クリック）"},
    {"T4", "入力完了", false, false, L::textMode,  C::annotation,  D::leaderlessText, false, false, true,
     "TAGLER4.BAT", "タグラー 引出線なしの文字（T4）",       kTextPoints, ""},
    {"T5", "入力完了", false, false, L::fourPoint, C::annotation,  D::byFrame,        true,  true,  false,
     "TAGLER5.BAT", "タグラー 折れ線の引出線（T5）",         kBentLeaderPoints, ""},
}};
// clang-format on

} // namespace session_modes

constexpr const SessionModeTraits& traits(SessionMode m) { return session_modes::kTraits[static_cast<std::size_t>(m)]; }

// "T1".."T5" in either case; anything else (or nothing) is normal.
SessionMode sessionModeFromArgument(std::string_view argument);

} // namespace tagler
