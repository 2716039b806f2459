#pragma once
#include <string>

namespace tagler {

// Where the default data files of a fresh install are: beside the program in a build tree,
// "../share/tagler" from it when installed. Never the current folder: that is the drawing's.
// Empty when neither holds them.
std::string defaultDataFolder(const std::string& programFolder);

} // namespace tagler
