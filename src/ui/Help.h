#pragma once
#include <string>

class QWidget;

namespace tagler {

// ヘルプ: the help file "tagler.hlp" in the start folder when the system can
// open it, otherwise a short page of our own.
void showHelp(QWidget* parent, const std::string& startFolder);

} // namespace tagler
