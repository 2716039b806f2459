#pragma once
#include <QIcon>

// The small pictures in the drop-downs of tip symbol, frame, attach position
// and text slide, drawn rather than shipped so they follow the item list.
namespace tagler::icons {

QIcon tipSymbol(int index);      // a stored TipSymbol
QIcon frame(int index);          // a stored FrameType
QIcon attachPosition(int index); // 0..4
QIcon textSlide(int index);      // 0..6

inline constexpr QSize kSize{22, 14};

} // namespace tagler::icons

namespace tagler::icons {

// The glyph of the IME start-mode button for mode 1..4.
QIcon imeGlyph(int mode);

// The warning sign of the delete confirmation, drawn: the style's own comes
// from the icon theme, whose lookup took a sixth of the start-up.
QPixmap warningSign(int size);

} // namespace tagler::icons
