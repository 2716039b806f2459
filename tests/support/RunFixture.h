#pragma once
#include "app/DeriveSession.h"
#include "support/ExchangeFixture.h"

#include <string>
#include <vector>

namespace tagler::test {

// One annotation from header to records, through the real derivation and writer.
struct AnnotationRun {
    std::vector<std::string> records; // UTF-8 for readable expectations
    WriterInput input;
};

AnnotationRun runAnnotation(const HeaderSpec& header, const AnnotationSettings& settings,
                            const std::vector<std::string>& utf8Lines, SessionMode mode = SessionMode::normal);

// Records after the prologue (group/scale, line type, layer).
std::vector<std::string> afterPrologue(const AnnotationRun& run);

} // namespace tagler::test
