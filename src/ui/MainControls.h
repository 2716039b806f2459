#pragma once
#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QTableWidget;
class QWidget;

namespace tagler {

class ColorBox;
class InputBox;
class PreviewBox;
class TextBookGrid;

// Every control of the main window, filled by the panel builders. Tests and
// the window's handlers reach the controls through this one place.
struct MainControls {
    // Options row.
    QComboBox* tipSymbol = nullptr;
    QComboBox* extensionLengthMode = nullptr;
    QSpinBox* extensionLength = nullptr;
    QComboBox* frameType = nullptr;
    QComboBox* attachPosition = nullptr;
    QComboBox* textSlide = nullptr;
    QComboBox* lineType = nullptr;
    QComboBox* textType = nullptr;
    QLabel* tipSymbolLabel = nullptr;
    QLabel* extensionLengthLabel = nullptr;
    QLabel* frameTypeLabel = nullptr;
    QLabel* attachPositionLabel = nullptr;
    QLabel* textSlideLabel = nullptr;
    QLabel* lineTypeLabel = nullptr;
    QLabel* textTypeLabel = nullptr;

    // Side column.
    QPushButton* registerSettings = nullptr; // 設定登録
    QPushButton* basicSettings = nullptr;    // 基本設定
    QPushButton* imeStartMode = nullptr;     // toggle, caption names the mode
    QPushButton* useEmbeddedText = nullptr;  // toggle
    ColorBox* fillColor = nullptr;
    QPushButton* fillInside = nullptr; // toggle 枠内着色
    QPushButton* tiltFrame = nullptr;  // toggle 注釈傾斜
    QPushButton* complete = nullptr;   // 入力完了
    QFrame* previewFrame = nullptr;
    PreviewBox* settingsPreview = nullptr;
    PreviewBox* slotPreview = nullptr;

    // Quick select.
    QLabel* quickSelectLabel = nullptr;
    std::array<QPushButton*, 10> slotButtons{};
    QPushButton* slotSave = nullptr;        // 保存
    QCheckBox* continuous = nullptr;        // 連続
    QCheckBox* fixedLeaderLength = nullptr; // 引出線長固定
    QPushButton* rememberLength = nullptr;  // 長さ記憶
    QLabel* savedLabel = nullptr;           // 保存完了
    QLabel* nothingSavedLabel = nullptr;    // 保存なし

    // Memo panel, opened by 保存's context menu (right click, menu key, Shift+F10).
    QFrame* memoPanel = nullptr;
    QTableWidget* memoGrid = nullptr;  // one memo per slot
    QCheckBox* showMemos = nullptr;    // メモを表示する
    QCheckBox* hoverPreview = nullptr; // マウスカーソル移動で
    QPushButton* saveMemos = nullptr;  // 保存 & 閉じる

    // Input area.
    QLabel* inputLabel = nullptr;
    InputBox* input = nullptr;
    QPushButton* fontSwitch = nullptr;
    QLineEdit* fontName = nullptr;
    QComboBox* copyMode = nullptr;
    QPushButton* clear = nullptr;

    // Character mode panel (text mode only).
    QFrame* characterModePanel = nullptr;
    QCheckBox* textCenterBase = nullptr;

    // Text book (placed; filled by the text-book grid and store).
    TextBookGrid* textBookGrid = nullptr;
    QFrame* pageNumbers = nullptr;
    QTableView* tableOfContents = nullptr;
    QFrame* blockViewPanel = nullptr; // over the input box
    QPlainTextEdit* blockView = nullptr;
    QFrame* deleteConfirmPanel = nullptr;
    QPushButton* deleteYes = nullptr; // はい
    QPushButton* deleteNo = nullptr;  // いいえ

    // Bottom row and status bar.
    QPushButton* hintMode = nullptr; // 簡易説明 toggle
    QPushButton* help = nullptr;
    QPushButton* registerBlock = nullptr;  // 登録
    QPushButton* deleteBlock = nullptr;    // 削除
    QPushButton* switchTextBook = nullptr; // 文字帳切替
    QLabel* statusBar = nullptr;

    // Basic-settings panel.
    QFrame* basicPanel = nullptr;
    QSpinBox* arrowLength = nullptr;
    QComboBox* arrowAngle = nullptr;
    QSpinBox* lineSpacing = nullptr;
    QSpinBox* frameGapVertical = nullptr;
    QSpinBox* frameGapHorizontal = nullptr;
    QCheckBox* noFrameGap = nullptr;
    QComboBox* dotRadiusOnes = nullptr;
    QComboBox* dotRadiusTenths = nullptr;
    QSpinBox* fillGap = nullptr;
    QComboBox* leaderColor = nullptr;
    QComboBox* arrowColor = nullptr;
    QComboBox* dotColor = nullptr;
    QComboBox* extensionColor = nullptr;
    QComboBox* frameColor = nullptr;
    QComboBox* writeGroup = nullptr;
    QComboBox* lineLayer = nullptr;
    QComboBox* textLayer = nullptr;
    ColorBox* windowColor = nullptr;
    QButtonGroup* detectionRange = nullptr; // ids 0..3
    QListWidget* patternList = nullptr;
    QLineEdit* patternName = nullptr;
    QPushButton* registerPattern = nullptr; // 基本設定登録
    QPushButton* closeBasicPanel = nullptr; // 閉じる
};

} // namespace tagler
