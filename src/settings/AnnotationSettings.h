#pragma once
#include "settings/ColourItems.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tagler {

// Every option that shapes one annotation. Values are the controls' item
// indexes or numbers, exactly as stored in the data files. Text is CP932.
// Ranges and where the files keep each field: SettingsFields.cpp.
struct AnnotationSettings {
    // Session settings (kept in the persistent state).
    int tipSymbol = 1; // 0 引出なし, 1 記号なし, 2 実点, 3 空点, then 矢印１..４
    int lineType = 0;  // the "lt" record's type less one
    int frameType = 0; // the 文字枠 list's index
    int attachPosition = 0;
    int copyMode = 0;
    int textType = 0;            // 0 the host's type, then the host's types from 1
    int extensionLength = 0;     // mm at 1/1
    int extensionLengthMode = 0; // 0 任意, 1 指定
    int textSlide = 0;
    int selectedPattern = 0;
    bool useEmbeddedText = false;
    int imeStartMode = 0;       // 0 up
    int fontSwitch = 0;         // signed byte; nonzero selects the chosen font
    std::int32_t fillColor = 0; // platform colour 0x00BBGGRR
    int fillColorIndex = 0;
    bool fillInside = false;
    std::string chosenFontName = defaultFontName();
    bool tiltFrame = false;
    bool textCenterBase = false;
    int continuous = 0; // 0 off, a slot number, or the last value: on without a slot
    bool fixedLeaderLength = false;
    std::string rememberedLeaderLength = "0"; // decimal text, mm at 1/1

    // Basic settings (kept per pattern).
    int arrowLength = 20; // 0.1 mm at 1/1
    int leaderColor = 0;  // 0 the host's colour
    int lineSpacing = 0;  // 0.1 mm at 1/1
    int arrowColor = 0;   // 0 as the leader
    int extensionColor = 0;
    int fillGap = 0;          // 0.1 mm at 1/1
    int frameGapVertical = 0; // 0.1 mm at 1/1
    int frameGapHorizontal = 0;
    int dotColor = 0;
    int frameColor = 0;
    int writeGroup = 0; // 0 the host's group, then group 0..F
    int lineLayer = 0;  // 0 the host's layer, then layer 0..F
    int textLayer = 0;
    int arrowAngle = 3;                  // index of 8,10,12,15,20,25,30,35,40,45 degrees
    std::int32_t windowColor = 12639424; // money green
    int windowColorIndex = kMoneyGreenIndex;
    int dotRadius = 5; // two digits: ones × 10 + tenths (radius = dotRadius / 10 mm)
    int detectionRange = 2;
    bool noFrameGap = true;

    static std::string defaultFontName(); // "ＭＳ ゴシック" in CP932
};

int arrowHalfAngleDegrees(int arrowAngleIndex);

// Field access by the names of the settings record, for scripting (tagler-batch --set).
// Returns an error text when the name is unknown or the value is outside the field's range.
std::optional<std::string> setSettingsField(AnnotationSettings& settings, std::string_view name,
                                            std::string_view value);

} // namespace tagler
