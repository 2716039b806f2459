#pragma once
#include <QColor>
#include <QFont>
#include <QSize>
#include <cstdint>

class QPushButton;

namespace tagler {

inline constexpr QSize kClientSize{731, 576};
inline constexpr int kFontPixels = 12;

// The window's font, with stand-ins where the Windows font is missing.
QFont windowFont();
// A font by name at the window's size; the stand-ins follow it.
QFont namedFont(const QString& family);

// A toggle button that is down looks plainly so: sunken, darker, bold.
void showDownPlainly(QPushButton* toggle);

QColor toQColor(std::int32_t platformColour);
std::int32_t fromQColor(const QColor& colour);

} // namespace tagler
