#pragma once
#include "base/Clock.h"
#include "writer/OutputList.h"
#include "writer/WriterInput.h"

namespace tagler {

// One annotation: leader geometry, frame, tip, leader, fill, text — appended
// to the output list in that order. On an error the records so far stay.
// The frame-writing modes have writers of their own (ExistingTextFrames.h).
WriterResult runAnnotationWriter(const WriterInput& input, const Clock& clock, OutputList& output);

} // namespace tagler
