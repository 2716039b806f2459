#include "support/ExchangeFixture.h"

#include "base/CodePage.h"

namespace tagler::test {

Lines headerLines(const HeaderSpec& s, SessionMode mode)
{
    Lines l = {"hq",
               "hk 0",
               "hs " + s.scales,
               "hcw 2 2.5 3 4 5 6 7 8 9 10",
               "hch 2 2.5 3 4 5 6 7 8 9 10",
               "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1",
               "hcc      1      1      2      2      3      3      4      4      5      5",
               "hn 0 0 1 1"};
    switch (mode) {
    case SessionMode::textMode:
        l.push_back("hp1 " + s.p1);
        l.push_back("hp2 " + s.p3);
        break;
    case SessionMode::fourPoint:
        l.push_back("hp1 " + s.p1);
        l.push_back("hp4 " + s.p4);
        l.push_back("hp2 " + s.p2);
        l.push_back("hp3 " + s.p3);
        break;
    case SessionMode::normal:
        l.push_back("hp1 " + s.p1);
        l.push_back("hp2 " + s.p2);
        l.push_back("hp3- " + s.p3);
        break;
    case SessionMode::importText:
    case SessionMode::frameWrite1:
    case SessionMode::frameWrite2: break;
    }
    l.push_back(s.group);
    l.push_back(s.layer);
    l.push_back(s.colour);
    l.push_back("lt1");
    l.push_back(s.textType);
    l.push_back(sjis(s.font));
    l.push_back("#");
    return l;
}

} // namespace tagler::test
