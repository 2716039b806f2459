#pragma once
#include <QString>
#include <string>
#include <string_view>

// The one place that talks to the platform's CP932 converter: ICU through Qt
// on Linux, the system's code page 932 on Windows (Qt for Windows has no ICU).
namespace tagler::cp932 {

// Whether the converter can be had at all; every program checks it at start,
// since without it every file would read as empty text.
bool available();

// Bytes the code page cannot decode become U+FFFD.
QString decode(std::string_view bytes);
// Characters without a CP932 form become a stand-in ('?' here, FC FC through ICU), so
// nothing but the round trip of toCp932Strict may hand it a drafter's text. The JIS forms
// CP932 holds under other code points are mapped before that, in TextGate.cpp, once for
// both converters.
std::string encode(const QString& text);

} // namespace tagler::cp932
