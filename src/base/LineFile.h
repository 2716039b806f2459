#pragma once
#include <string>
#include <vector>

// Whole-file line I/O. Reading accepts CR, LF and CR LF; writing ends every
// line with CR LF and replaces the file atomically.
namespace tagler {

using Lines = std::vector<std::string>;

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
