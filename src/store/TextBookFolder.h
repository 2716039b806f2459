#pragma once
#include <optional>
#include <string>
#include <string_view>

// Where a text-book folder lives. The stored form keeps the backslashes the
// data files carry ("\sub\box", CP932); the file system sees a native path.
namespace tagler {

// The native path (UTF-8) of a stored folder inside startFolder, or nothing
// when the stored text could lead elsewhere: "..", an absolute path, a drive
// letter, an empty component, or a link to a real folder outside startFolder.
std::optional<std::string> resolveTextBookFolder(const std::string& startFolder, std::string_view stored);

// Whether folder's real place (links followed) is startFolder's real place or
// lies below it. A folder that does not exist lies nowhere.
bool liesInside(const std::string& startFolder, const std::string& folder);

// The stored form of a chosen native folder, or nothing when it lies outside
// startFolder or has no CP932 form. The start folder itself is "".
std::optional<std::string> storedTextBookFolder(const std::string& startFolder, const std::string& chosen);

} // namespace tagler
