#pragma once
#include <string>

namespace tagler {

// The field table as scripts read it (tagler-batch --list-fields): one line per field in the
// table's order, tab-separated: name, kind (number, flag or text), minimum and maximum (numbers
// only, empty otherwise), default (flags 0 or 1, text in UTF-8).
std::string settingsFieldListing();

} // namespace tagler
