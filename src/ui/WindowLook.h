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
// The family, then the stand-ins for it, in the order they are tried.
QStringList fontCandidates(const QString& family);
// A font by name at the window's size: the first of its candidates that is installed.
QFont namedFont(const QString& family);

// A toggle button that is down looks plainly so: sunken, darker, bold.
void showDownPlainly(QPushButton* toggle);

// Every drop-down's list wide enough for its longest item, whatever the
// platform style makes of a list narrower than its items (some cut them short).
void fitListsToItems(QWidget* window);

QColor toQColor(std::int32_t platformColour);
std::int32_t fromQColor(const QColor& colour);

} // namespace tagler
