#pragma once
#include "ui/MainControls.h"

class QWidget;

namespace tagler {

class ImeControl;

// One builder per part of the window; each places its controls at their
// client pixels and records them in the controls struct.
void buildOptionsRow(QWidget* window, MainControls& c);
void buildSideColumn(QWidget* window, MainControls& c);
void buildQuickSelect(QWidget* window, MainControls& c);
void buildInputArea(QWidget* window, MainControls& c, ImeControl& ime);
void buildTextBookArea(QWidget* window, MainControls& c);
void buildCharacterModePanel(QWidget* window, MainControls& c);
void buildBasicSettingsPanel(QWidget* window, MainControls& c);

// The hints the status bar shows while 簡易説明 is down.
void applyHints(MainControls& c);

} // namespace tagler
