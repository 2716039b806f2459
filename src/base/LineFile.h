#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Whole-file line I/O. Reading accepts CR, LF and CR LF; writing ends every
// line with CR LF and replaces the file atomically.
namespace tagler {

using Lines = std::vector<std::string>;

// The longest line any reader takes, in bytes. The host's records and this program's lines are
// a few hundred bytes at most; a longer line is a damaged or foreign file, and reading it whole
// could take all memory.
inline constexpr std::size_t kLineBytesBound = 64 * 1024;

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);

// Throws an input/output error when the file cannot be read.
Lines readLines(const std::string& path);
Lines splitLines(std::string_view content);

// Throws an input/output error; the old file stays whole on failure.
void writeLines(const std::string& path, const Lines& lines);
// The bytes as they are, in pieces, replaced atomically like writeLines.
void writeText(const std::string& path, const std::vector<std::string>& pieces);

} // namespace tagler
