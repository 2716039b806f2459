#pragma once
#include "base/CodePage.h"
#include "base/LineFile.h"

#include <string>

// A frame-writing hand-over of N texts as the host writes it: a header, then
// text records in rows with a text type now and then, base points, some
// texts turned and some written backwards.
namespace tagler::bench {

inline Lines selectionLines(int texts)
{
    Lines l = {"hq",
               "hk 0",
               "hs 1 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1",
               "hcw 2 2.5 3 4 5 6 7 8 9 10",
               "hch 2 2.5 3 4 5 6 7 8 9 10",
               "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1",
               "hcc      1      1      2      2      3      3      4      4      5      5",
               "hn 0 0 1 1",
               "lg1",
               "ly4",
               "lc3",
               "lt1",
               "cn3",
               sjis("cn\"$<ＭＳ ゴシック>"),
               "#"};
    for (int i = 0; i < texts; ++i) {
        const double x = (i % 100) * 40.0, y = (i / 100) * 12.0;
        if (i % 50 == 0)
            l.push_back("cn" + std::to_string(1 + i % 10));
        if (i % 7 == 0)
            l.push_back("cc" + std::to_string(i % 9));
        const bool turned = i % 3 == 0, reversed = i % 11 == 0;
        l.push_back("ch " + std::to_string(x) + " " + std::to_string(y) + " " + (reversed ? "-24" : "24") + " " +
                    (turned ? "8" : "0") + " \"" + sjis("防火戸 FD-") + std::to_string(i));
    }
    return l;
}

} // namespace tagler::bench
