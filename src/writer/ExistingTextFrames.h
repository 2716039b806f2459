#pragma once
#include "base/Clock.h"
#include "writer/HandedOverRecord.h"
#include "writer/OutputList.h"
#include "writer/WriterInput.h"

#include <span>
#include <string>
#include <string_view>

namespace tagler {

// 枠書込１: one frame, untilted, around every text handed over in `records`. No text record
// draws no frame.
WriterResult writeFrameAroundAll(const WriterInput& in, std::span<const std::string> records, const Clock& clock,
                                 OutputList& out);

// 枠書込２: one handed-over line. A text record gets a frame of its own, turned along it; size and
// base-point lines change `state` for the records after them.
WriterResult writeFrameAroundText(const WriterInput& in, std::string_view record, ExistingTextState& state,
                                  const Clock& clock, OutputList& out);

} // namespace tagler
