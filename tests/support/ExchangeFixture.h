#pragma once
#include "base/LineFile.h"
#include "settings/SessionMode.h"

#include <string>

namespace tagler::test {

// A host header as the real host writes it, at the program's line positions.
struct HeaderSpec {
    std::string p1 = "0 0";
    std::string p2 = "10 10";
    std::string p3 = "20 10";
    std::string p4 = "5 5";
    std::string scales = "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
    std::string group = "lg0";
    std::string layer = "ly0";
    std::string colour = "lc1";
    std::string textType = "cn1";
    std::string font = "cn\"$<ＭＳ ゴシック>"; // UTF-8 here, CP932 in the file
};

// The modes that hand over a selection get no indicated points; their
// selected records follow the header.
Lines headerLines(const HeaderSpec& spec, SessionMode mode = SessionMode::normal);

} // namespace tagler::test
