#pragma once
#include "base/Clock.h"
#include "writer/HandedOverRecord.h"
#include "writer/LeaderLayout.h"
#include "writer/OutputList.h"
#include "writer/WriterInput.h"

#include <span>
#include <string>
#include <string_view>

namespace tagler {

// A box in a text layout's own terms: along the text and across it.
struct LayoutSpan {
    double lo, hi;
};
struct LayoutBox {
    LayoutSpan along, across;
};

// 枠書込１: one frame, untilted, around every text handed over. The records are taken one at a
// time and only their running box is kept, so a selection of a whole sheet costs one record.
class FrameAroundAll final {
public:
    explicit FrameAroundAll(const WriterInput& in);
    void take(std::string_view record);
    // No text record draws no frame.
    WriterResult write(const Clock& clock, OutputList& out);

private:
    const WriterInput& in_;
    LeaderLayout layout_;
    bool longRound_ = false;
    ExistingTextState text_;
    int count_ = 0;
    int widest_ = 1;
    LayoutBox whole_{};
    LayoutBox merged_{};
};

WriterResult writeFrameAroundAll(const WriterInput& in, std::span<const std::string> records, const Clock& clock,
                                 OutputList& out);

// 枠書込２: one handed-over line. A text record gets a frame of its own, turned along it; size and
// base-point lines change `state` for the records after them.
WriterResult writeFrameAroundText(const WriterInput& in, std::string_view record, ExistingTextState& state,
                                  const Clock& clock, OutputList& out);

} // namespace tagler
