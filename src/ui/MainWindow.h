#pragma once
#include "app/ImeStartButton.h"
#include "ui/MainControls.h"

#include <QWidget>

namespace tagler {

class Choosers;
class GridPopupMenu;
class PanelFocus;
class ImeControl;
class QuickSelectPanel;
class RegisterFeedback;
class RealSizePreviewWindow;
class Session;
class SettingsBinding;
class TextBookPanel;

// The one window: shows the session's settings on its controls, turns the
// user's actions into calls on the session, and asks to end after completion.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    // Runs the session's start-up; its messages may come before the window shows.
    MainWindow(Session& session, ImeControl& ime, Choosers& choosers, QWidget* parent = nullptr);
    ~MainWindow() override;

    const MainControls& controls() const { return c_; }
    GridPopupMenu& gridMenu() const { return *gridMenu_; }
    const RegisterFeedback& feedback() const { return *feedback_; }
    TextBookPanel& textBook() const { return *textBook_; }
    bool hintsShown() const { return hintsShown_; }
    QuickSelectPanel& quickSelect() const { return *quickSelect_; }
    RealSizePreviewWindow& realSizePreview() const { return *realSize_; }

    // 「入力完了」, also from the grid menu and Alt+Enter.
    void complete();

Q_SIGNALS:
    // Completion has written its results; the program should end.
    void finished();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void build();
    void bindSettings();
    void connectActions();
    void connectSettingsButtons();
    void connectInput();
    void connectTextBookMenu();
    void connectRefusals();
    void connectColourBoxes();
    void chainTabOrder();
    void startUp();
    void placeWindow();
    void storeWindowPlace();

    void showSettings(); // every control from the settings
    void showDerived();  // what follows from them: enabling, menus, colours, fonts
    void showStatusLine();
    void showPatternNames();
    void showImeButton();
    void showNote(const QString& text);
    void showRefusal(const QString& message);

    void selectPattern(int index);
    void registerPattern();
    void chooseFont();
    void chooseCustomColour(class ColorBox* box, std::int32_t& colour, int& index);
    void setHintsShown(bool shown);

    // The real-size preview (MainWindowRealSize.cpp).
    void buildRealSizePreview();
    void realSizeMenu(const QPoint& at);
    void openRealSizeAtStart();
    void rememberRealSize();

    // A quick-select slot applied or released changes settings, names and the IME toggle.
    void showAfterSlot();

    Session& session_;
    ImeControl& ime_;
    Choosers& choosers_;
    MainControls c_;
    GridPopupMenu* gridMenu_ = nullptr;
    RegisterFeedback* feedback_ = nullptr;
    SettingsBinding* binding_ = nullptr;
    TextBookPanel* textBook_ = nullptr;
    QuickSelectPanel* quickSelect_ = nullptr;
    RealSizePreviewWindow* realSize_ = nullptr;
    PanelFocus* panelFocus_ = nullptr;
    ImeStartButton imeButton_;
    bool hintsShown_ = false;
    bool finished_ = false;
    bool firstShown_ = false;
};

} // namespace tagler
