#pragma once
#include "base/LineFile.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The folder the host starts the program in.
namespace tagler::host {

inline constexpr const char* exchangeFileName = "jwc_temp.txt";
// The hand-over kept after the program has replaced jwc_temp.txt: the renderer
// needs the header's group scales and text sizes, and the selected records,
// which stay in the host's drawing.
inline constexpr const char* handOverCopyName = "jwc_temp.hdr";
inline constexpr std::array<const char*, 5> defaultDataFiles = {"PLDATA.tx", "PKDATA.tx", "SENTAKUMEMO.TX", "PJDATA.tx",
                                                                "PMDATA1.tx"};

// Creates the folder if needed, writes jwc_temp.txt (header, then the
// selected records) and its copy jwc_temp.hdr, and copies each default data
// file from dataSource that the folder lacks. Returns the names copied.
// Throws an input/output error.
std::vector<std::string> prepareExchangeFolder(const std::string& folder, const Lines& header, const Lines& records,
                                               const std::string& dataSource);

// A record list typed in UTF-8 (a byte-order mark allowed), as CP932 lines.
// A character the code page cannot hold is a conversion error.
Lines readUtf8Records(const std::string& path);

// jwc_temp.hdr in the folder of the given file.
std::string handOverCopyBeside(const std::string& file);

} // namespace tagler::host
