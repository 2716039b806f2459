#pragma once
#include "settings/AnnotationSettings.h"
#include "settings/FrameType.h"
#include "settings/SessionMode.h"

// Which option controls may be used, from the frame type and the session
// mode. A pure function, so the window only copies the answer onto widgets.
namespace tagler {

struct ControlEnabling {
    bool tipSymbol = true;            // 先端記号
    bool attachPosition = true;       // アタッチ位置
    bool textSlide = true;            // 文字スライド
    bool extensionLengthMode = true;  // 延長線長さ
    bool extensionLength = true;      // its spin edit
    bool useEmbeddedText = true;      // 埋込文字使用
    bool registerSettings = true;     // 設定登録
    bool tiltFrame = true;            // 枠傾斜
    bool quickSelectSave = true;      // 保存
    bool clear = true;                // クリア
    bool fontSwitch = true;           // ﾌｫﾝﾄ切替
    bool popupLeaderColor = true;     // pop-up 引出し線色
    bool popupDotRadiusOnes = true;   // pop-up 点半径 x1
    bool popupDotRadiusTenths = true; // pop-up 点半径 x0.1
    bool fixedLeaderLength = true;    // 引出線長固定
    bool rememberLength = true;       // 長さ記憶
    bool basicSettings = true;        // 基本設定

    friend bool operator==(const ControlEnabling&, const ControlEnabling&) = default;
};

// extensionLengthMode 0 任意 / 1 指定.
ControlEnabling updateControlEnabling(FrameType frameType, int extensionLengthMode, SessionMode mode);

inline ControlEnabling updateControlEnabling(const AnnotationSettings& settings, SessionMode mode)
{
    return updateControlEnabling(frameTypeAt(settings.frameType), settings.extensionLengthMode, mode);
}

} // namespace tagler
