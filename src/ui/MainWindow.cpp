#include "ui/MainWindow.h"

#include "app/CompletionShortcut.h"
#include "app/InputText.h"
#include "app/Session.h"
#include "app/StatusLine.h"
#include "base/CodePage.h"
#include "base/TextGate.h"
#include "settings/ColourItems.h"
#include "settings/ControlEnabling.h"
#include "settings/PopupMenus.h"
#include "settings/SettingsFields.h"
#include "ui/Builders.h"
#include "ui/Choosers.h"
#include "ui/ColorBox.h"
#include "ui/ContextMenuKeys.h"
#include "ui/GridPopupMenu.h"
#include "ui/Help.h"
#include "ui/InputBox.h"
#include "ui/ItemIcons.h"
#include "ui/PanelFocus.h"
#include "ui/PreviewBox.h"
#include "ui/QuickSelectPanel.h"
#include "ui/RealSizePreviewWindow.h"
#include "ui/RegisterFeedback.h"
#include "ui/SettingsBinding.h"
#include "ui/TableOfContentsModel.h"
#include "ui/TextBookGrid.h"
#include "ui/TextBookModel.h"
#include "ui/TextBookPanel.h"
#include "ui/TextGateValidator.h"
#include "ui/WindowLook.h"
#include "ui/WindowPlace.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusTipEvent>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

#include <vector>

namespace tagler {

MainWindow::MainWindow(Session& session, ImeControl& ime, Choosers& choosers, QWidget* parent)
    : QWidget(parent), session_(session), ime_(ime), choosers_(choosers)
{
    setWindowTitle(QStringLiteral("　タグラー 4.0β1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientSize);
    setFont(windowFont());
    setAutoFillBackground(true);
    build();
    bindSettings();
    connectActions();
    connectColourBoxes();
    startUp();
    buildRealSizePreview();
    chainTabOrder();
    fitListsToItems(this); // after start-up has filled the text types
    // The drafter types at once; the IME button's hint says the box takes the text.
    c_.input->setFocus();
}

// Event filters go before the widgets they watch: the children are destroyed in the order they were
// made, and a filter made after a panel would still be asked about its siblings' last events.
MainWindow::~MainWindow()
{
    delete panelFocus_;
    panelFocus_ = nullptr;
    delete quickSelect_;
}

void MainWindow::build()
{
    buildOptionsRow(this, c_);
    buildSideColumn(this, c_);
    buildQuickSelect(this, c_);
    buildInputArea(this, c_, ime_);
    buildTextBookArea(this, c_);
    buildCharacterModePanel(this, c_);
    buildBasicSettingsPanel(this, c_);
    applyHints(c_);
    gridMenu_ = new GridPopupMenu(this);
    textBook_ = new TextBookPanel(c_, session_, this);
    feedback_ = new RegisterFeedback({c_.registerSettings, c_.registerPattern, c_.rememberLength},
                                     {c_.savedLabel, c_.nothingSavedLabel}, this);
    quickSelect_ = new QuickSelectPanel(
        c_, session_, *feedback_, [this] { showAfterSlot(); }, [this](const QString& text) { showNote(text); }, this);
    connectRefusals();
    panelFocus_ = new PanelFocus(this);
    panelFocus_->add(c_.basicPanel, c_.arrowLength);
    panelFocus_->add(c_.memoPanel, c_.memoGrid);
    qApp->installEventFilter(new ContextMenuKeys(this));
    setMouseTracking(true);
    c_.settingsPreview->setSource(
        [this]() -> std::optional<PreviewInputs> { return previewInputs(session_.settings(), session_.mode()); });
}

// Reading order, panel by panel: the options row, the input area, the side
// column, the quick select, the text book, the bottom row; the overlay panels last.
void MainWindow::chainTabOrder()
{
    std::vector<QWidget*> chain = {c_.tipSymbol,
                                   c_.extensionLengthMode,
                                   c_.extensionLength,
                                   c_.frameType,
                                   c_.attachPosition,
                                   c_.textSlide,
                                   c_.lineType,
                                   c_.textType,
                                   c_.input,
                                   c_.fontSwitch,
                                   c_.fontName,
                                   c_.copyMode,
                                   c_.clear,
                                   c_.textCenterBase,
                                   c_.registerSettings,
                                   c_.basicSettings,
                                   c_.imeStartMode,
                                   c_.useEmbeddedText,
                                   c_.fillColor,
                                   c_.fillInside,
                                   c_.continuous,
                                   c_.slotSave};
    chain.insert(chain.end(), c_.slotButtons.begin(), c_.slotButtons.end());
    chain.insert(chain.end(), std::initializer_list<QWidget*>{c_.fixedLeaderLength, c_.rememberLength, c_.tiltFrame,
                                                              c_.complete, c_.textBookGrid, c_.tableOfContents,
                                                              c_.hintMode, c_.help, c_.registerBlock, c_.deleteBlock,
                                                              c_.switchTextBook, c_.deleteYes, c_.deleteNo, c_.memoGrid,
                                                              c_.showMemos, c_.hoverPreview, c_.saveMemos});
    for (std::size_t k = 1; k < chain.size(); ++k)
        QWidget::setTabOrder(chain[k - 1], chain[k]);
    // The basic-settings panel keeps its own order after the rest.
    QWidget* last = chain.back();
    for (QWidget* w : c_.basicPanel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->focusPolicy() & Qt::TabFocus) {
            QWidget::setTabOrder(last, w);
            last = w;
        }
}

void MainWindow::bindSettings()
{
    binding_ = new SettingsBinding(session_.settings(), this);
    SettingsBinding& b = *binding_;
    using S = AnnotationSettings;
    b.index(c_.tipSymbol, &S::tipSymbol);
    b.index(c_.extensionLengthMode, &S::extensionLengthMode);
    b.value(c_.extensionLength, &S::extensionLength);
    b.index(c_.frameType, &S::frameType);
    b.index(c_.attachPosition, &S::attachPosition);
    b.index(c_.textSlide, &S::textSlide);
    b.index(c_.lineType, &S::lineType);
    b.index(c_.textType, &S::textType);
    b.index(c_.copyMode, &S::copyMode);
    b.flag(c_.useEmbeddedText, &S::useEmbeddedText);
    b.flag(c_.fillInside, &S::fillInside);
    b.flag(c_.tiltFrame, &S::tiltFrame);
    b.flag(c_.textCenterBase, &S::textCenterBase);
    b.flag(c_.fixedLeaderLength, &S::fixedLeaderLength);

    b.value(c_.arrowLength, &S::arrowLength);
    b.index(c_.arrowAngle, &S::arrowAngle);
    b.value(c_.lineSpacing, &S::lineSpacing);
    b.value(c_.frameGapVertical, &S::frameGapVertical);
    b.value(c_.frameGapHorizontal, &S::frameGapHorizontal);
    b.flag(c_.noFrameGap, &S::noFrameGap);
    b.value(c_.fillGap, &S::fillGap);
    b.index(c_.leaderColor, &S::leaderColor);
    b.index(c_.arrowColor, &S::arrowColor);
    b.index(c_.dotColor, &S::dotColor);
    b.index(c_.extensionColor, &S::extensionColor);
    b.index(c_.frameColor, &S::frameColor);
    b.index(c_.writeGroup, &S::writeGroup);
    b.index(c_.lineLayer, &S::lineLayer);
    b.index(c_.textLayer, &S::textLayer);
    b.group(c_.detectionRange, &S::detectionRange);

    S& s = session_.settings();
    // The two digit lists together are one field.
    b.shown(c_.dotRadiusOnes, [this, &s] { c_.dotRadiusOnes->setCurrentIndex(s.dotRadius / 10); });
    b.shown(c_.dotRadiusTenths, [this, &s] { c_.dotRadiusTenths->setCurrentIndex(s.dotRadius % 10); });
    connect(c_.dotRadiusOnes, &QComboBox::currentIndexChanged, this, [this, &s](int digit) {
        chooseDotRadiusOnes(s, digit);
        showDerived();
    });
    connect(c_.dotRadiusTenths, &QComboBox::currentIndexChanged, this, [this, &s](int digit) {
        chooseDotRadiusTenths(s, digit);
        showDerived();
    });
    // 連続 is stored with the slot that is down; which one is the quick select's business.
    const int continuousWithoutSlot = fieldRange(&S::continuous).max;
    b.shown(c_.continuous, [this, &s] { c_.continuous->setChecked(s.continuous != 0); });
    connect(c_.continuous, &QCheckBox::toggled, this, [&s, continuousWithoutSlot](bool on) {
        s.continuous = on ? (s.continuous != 0 ? s.continuous : continuousWithoutSlot) : 0;
    });
    b.shown(c_.fillColor, [this, &s] { c_.fillColor->setChoice(s.fillColor, s.fillColorIndex); });
    b.shown(c_.windowColor, [this, &s] { c_.windowColor->setChoice(s.windowColor, s.windowColorIndex); });
    b.shown(c_.patternList, [this, &s] { c_.patternList->setCurrentRow(s.selectedPattern); });
    connect(binding_, &SettingsBinding::changed, this, &MainWindow::showDerived);
}

void MainWindow::connectColourBoxes()
{
    AnnotationSettings& s = session_.settings();
    connect(c_.fillColor, &QComboBox::activated, this, [this, &s](int index) {
        s.fillColorIndex = index;
        if (index == kCustomColourItem)
            chooseCustomColour(c_.fillColor, s.fillColor, s.fillColorIndex);
        showSettings();
    });
    connect(c_.windowColor, &QComboBox::activated, this, [this, &s](int index) {
        s.windowColorIndex = index;
        if (index == kCustomColourItem)
            chooseCustomColour(c_.windowColor, s.windowColor, s.windowColorIndex);
        showSettings();
    });
}

void MainWindow::chooseCustomColour(ColorBox* box, std::int32_t& colour, int& index)
{
    // A cancelled dialog keeps the custom entry as it was.
    if (const auto chosen = choosers_.chooseColour(toQColor(box->customColour())))
        colour = fromQColor(*chosen);
    else
        colour = box->customColour();
    index = kCustomColourItem;
}

// Every place a drafter types says on the status line what it kept out and why.
void MainWindow::connectRefusals()
{
    const auto show = [this](const QString& message) { showRefusal(message); };
    auto* patternName = new TextGateValidator(c_.patternName);
    c_.patternName->setValidator(patternName);
    connect(patternName, &TextGateValidator::refused, this, show);
    connect(c_.input, &InputBox::refused, this, show);
    connect(c_.textBookGrid, &TextBookGrid::refused, this, show);
    connect(&textBook_->model(), &TextBookModel::refused, this, show);
    connect(&textBook_->tableModel(), &TableOfContentsModel::refused, this, show);
    for (QAbstractItemView* grid :
         {static_cast<QAbstractItemView*>(c_.tableOfContents), static_cast<QAbstractItemView*>(c_.memoGrid)})
        connect(qobject_cast<TextGateDelegate*>(grid->itemDelegate()), &TextGateDelegate::refused, this, show);
    connect(quickSelect_, &QuickSelectPanel::refused, this, show);
}

void MainWindow::connectActions()
{
    connectSettingsButtons();
    connectInput();
    connectTextBookMenu();
    connect(c_.hintMode, &QPushButton::toggled, this, &MainWindow::setHintsShown);
    connect(c_.help, &QPushButton::clicked, this, [this] { showHelp(this, session_.startFolder()); });
}

void MainWindow::connectSettingsButtons()
{
    AnnotationSettings& s = session_.settings();
    connect(c_.registerSettings, &QPushButton::clicked, this, [this] {
        feedback_->flash(c_.registerSettings);
        storeWindowPlace();
        session_.registerSessionSettings();
        showSettings();
    });
    connect(c_.basicSettings, &QPushButton::clicked, this,
            [this] { c_.basicPanel->setVisible(!c_.basicPanel->isVisible()); });
    connect(c_.closeBasicPanel, &QPushButton::clicked, c_.basicPanel, &QWidget::hide);
    connect(c_.registerPattern, &QPushButton::clicked, this, &MainWindow::registerPattern);
    connect(c_.patternList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            selectPattern(row);
    });

    connect(c_.imeStartMode, &QPushButton::clicked, this, [this, &s] {
        imeButton_ = clickImeButton(imeButton_, ime_);
        s.imeStartMode = imeButton_.storedValue();
        c_.input->setOwnImeMode(imeButton_.down ? imeModeFor(imeButton_.mode) : ImeMode::closed);
        showImeButton();
    });
    c_.imeStartMode->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(c_.imeStartMode, &QWidget::customContextMenuRequested, this, [this, &s] {
        if (!imeButton_.down)
            return;
        imeButton_ = advanceImeButton(imeButton_, ime_);
        s.imeStartMode = imeButton_.storedValue();
        c_.input->setOwnImeMode(imeModeFor(imeButton_.mode));
        showImeButton();
    });

    connect(c_.fontSwitch, &QPushButton::clicked, this, [this, &s] {
        s.fontSwitch = s.fontSwitch != 0 ? 0 : 1;
        showDerived();
    });
    c_.fontName->installEventFilter(this);
}

void MainWindow::connectInput()
{
    connect(c_.clear, &QPushButton::clicked, c_.input, &QPlainTextEdit::clear);
    connect(c_.input, &QPlainTextEdit::textChanged, this, [this] {
        session_.setInputLines(c_.input->cp932Lines());
        if (realSize_)
            realSize_->changed();
    });
    connect(c_.input, &InputBox::completionRequested, this, [this] {
        if (c_.complete->isEnabled() && shortcutCompletes(session_))
            complete();
    });
    connect(c_.complete, &QPushButton::clicked, this, &MainWindow::complete);
}

// The text book's own menu: copy and complete, clear, and the leader's colour and dot size.
void MainWindow::connectTextBookMenu()
{
    AnnotationSettings& s = session_.settings();
    connect(c_.textBookGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (!textBook_->blockViewOpen())
            gridMenu_->popup(c_.textBookGrid->viewport()->mapToGlobal(at));
    });
    connect(gridMenu_, &GridPopupMenu::completeChosen, this, [this] {
        if (!session_.completionEnabled())
            return;
        textBook_->copySelectedBlock();
        complete();
    });
    connect(textBook_, &TextBookPanel::folderChanged, this, [this] {
        if (!hintsShown_)
            showStatusLine();
    });
    connect(gridMenu_, &GridPopupMenu::clearChosen, c_.input, &QPlainTextEdit::clear);
    connect(gridMenu_, &GridPopupMenu::leaderColourChosen, this, [this, &s](int item) {
        chooseLeaderColor(s, item);
        showSettings();
    });
    connect(gridMenu_, &GridPopupMenu::dotRadiusOnesChosen, this, [this, &s](int digit) {
        chooseDotRadiusOnes(s, digit);
        showSettings();
    });
    connect(gridMenu_, &GridPopupMenu::dotRadiusTenthsChosen, this, [this, &s](int digit) {
        chooseDotRadiusTenths(s, digit);
        showSettings();
    });
}

void MainWindow::startUp()
{
    session_.startUp();
    const QString caption = QString::fromStdString(session_.completionCaption());
    c_.complete->setText(caption);
    if (traits(session_.mode()).completion == Completion::importTexts)
        gridMenu_->setCompletionCaption(caption);
    c_.characterModePanel->setVisible(session_.mode() == SessionMode::textMode);
    for (const HostTextType& type : session_.exchange().header.textTypes)
        c_.textType->addItem(fromCp932(type.label));
    c_.input->setCp932Lines(session_.inputLines());
    showPatternNames();
    showSettings();
    imeButton_ = imeButtonAtStart(session_.settings().imeStartMode, ime_);
    if (imeButton_.down)
        c_.input->setOwnImeMode(imeModeFor(imeButton_.mode));
    showImeButton();
    textBook_->showAll();
    // A start-up that stopped early never opened the text book; nothing of it can be used.
    const bool bookOpen = session_.textBook().started();
    for (QWidget* w : std::initializer_list<QWidget*>{c_.textBookGrid, c_.tableOfContents, c_.registerBlock,
                                                      c_.deleteBlock, c_.switchTextBook})
        w->setEnabled(bookOpen);
    showStatusLine();
    if (traits(session_.mode()).completion == Completion::importTexts && session_.exchange().importedTextsLeftOut)
        showNote(QStringLiteral("選択した文字が %1 件を超えています。最初の %1 件だけを取り込みました。")
                     .arg(kInputMaxLines));
    placeWindow();
}

void MainWindow::placeWindow()
{
    const auto stored = storedWindowPlace(session_.extras().windowLeft, session_.extras().windowTop);
    if (!stored)
        return;
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    move(placeOnScreens(*stored, size(), screens));
}

void MainWindow::storeWindowPlace()
{
    session_.extras().windowLeft = std::to_string(pos().x());
    session_.extras().windowTop = std::to_string(pos().y());
}

void MainWindow::showSettings()
{
    binding_->show();
    showDerived();
}

void MainWindow::showDerived()
{
    const AnnotationSettings& s = session_.settings();
    const ControlEnabling e = updateControlEnabling(s, session_.mode());
    // Each rule's control; the pop-up menu's rules are the menu's business.
    using E = ControlEnabling;
    const std::pair<bool E::*, QWidget*> controls[] = {
        {&E::tipSymbol, c_.tipSymbol},
        {&E::attachPosition, c_.attachPosition},
        {&E::textSlide, c_.textSlide},
        {&E::extensionLengthMode, c_.extensionLengthMode},
        {&E::extensionLength, c_.extensionLength},
        {&E::useEmbeddedText, c_.useEmbeddedText},
        {&E::registerSettings, c_.registerSettings},
        {&E::tiltFrame, c_.tiltFrame},
        {&E::quickSelectSave, c_.slotSave},
        {&E::clear, c_.clear},
        {&E::fontSwitch, c_.fontSwitch},
        {&E::fixedLeaderLength, c_.fixedLeaderLength},
        {&E::rememberLength, c_.rememberLength},
        {&E::basicSettings, c_.basicSettings},
    };
    for (const auto& [flag, control] : controls)
        control->setEnabled(e.*flag);
    c_.complete->setEnabled(session_.completionEnabled());
    gridMenu_->completeAction()->setEnabled(session_.completionEnabled());
    gridMenu_->applyEnabling(e);
    gridMenu_->showChecks(popupMenuChecks(s));

    QPalette window = palette();
    // The stored colour is the custom entry's; the window wears the one the box shows.
    const QColor windowColour = toQColor(colourItemValue(s.windowColorIndex, s.windowColor));
    window.setColor(QPalette::Window, windowColour);
    setPalette(window);

    c_.fontName->setText(fromCp932(s.chosenFontName));
    QPalette name = c_.fontName->palette();
    name.setColor(QPalette::Base, s.fontSwitch != 0 ? QColor(0, 255, 0) : windowColour);
    c_.fontName->setPalette(name);
    const std::string& hostFont = session_.exchange().header.hostFontName;
    const std::string& inputFont =
        s.fontSwitch != 0 ? s.chosenFontName : (hostFont.empty() ? AnnotationSettings::defaultFontName() : hostFont);
    c_.input->setFont(namedFont(fromCp932(inputFont)));

    c_.settingsPreview->update();
    if (realSize_)
        realSize_->changed();
}

void MainWindow::showImeButton()
{
    const QSignalBlocker blocker(c_.imeStartMode);
    c_.imeStartMode->setChecked(imeButton_.down);
    c_.imeStartMode->setText(QString::fromStdString(imeCaption(imeButton_.mode)));
    c_.imeStartMode->setIcon(icons::imeGlyph(imeButton_.mode));
}

void MainWindow::showPatternNames()
{
    const QSignalBlocker blocker(c_.patternList);
    const int row = c_.patternList->currentRow();
    c_.patternList->clear();
    for (const std::string& name : session_.patternNames())
        c_.patternList->addItem(fromCp932(name));
    c_.patternList->setCurrentRow(row >= 0 ? row : session_.settings().selectedPattern);
}

void MainWindow::showStatusLine()
{
    const auto& names = session_.patternNames();
    const int pattern = session_.settings().selectedPattern;
    const std::string name =
        pattern >= 0 && pattern < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(pattern)] : "";
    const std::string& folder =
        session_.textBook().started() ? session_.textBook().textBookFolder() : session_.extras().textBookFolder;
    c_.statusBar->setText(folderStatusLine(name, folder, session_.startFolder()));
}

// A short result stays in the status line until the next change there.
void MainWindow::showNote(const QString& text)
{
    if (!hintsShown_)
        c_.statusBar->setText(text);
}

// Unlike a note, a refusal is shown over the hints too: the drafter typed and saw nothing happen.
void MainWindow::showRefusal(const QString& message) { c_.statusBar->setText(message); }

void MainWindow::selectPattern(int index)
{
    session_.selectPattern(index);
    showSettings();
    showStatusLine();
}

void MainWindow::registerPattern()
{
    feedback_->flash(c_.registerPattern);
    const QString name = c_.patternName->text();
    const GatedText bytes = passTextGate(name);
    if (bytes.refused) {
        showRefusal(refusalMessage(*bytes.refused));
        return;
    }
    storeWindowPlace();
    if (!session_.registerBasicSettings(bytes.bytes))
        return;
    if (!name.isEmpty())
        c_.patternName->clear();
    showPatternNames();
}

void MainWindow::chooseFont()
{
    AnnotationSettings& s = session_.settings();
    const auto family = choosers_.chooseFont(fromCp932(s.chosenFontName));
    if (!family)
        return;
    GatedText bytes = passTextGate(*family);
    if (bytes.refused) {
        showRefusal(QStringLiteral("フォント名の") + refusalMessage(*bytes.refused));
        return;
    }
    if (bytes.bytes.empty())
        return;
    s.chosenFontName = std::move(bytes.bytes);
    showDerived();
}

void MainWindow::complete()
{
    if (!session_.completionEnabled() || finished_)
        return;
    storeWindowPlace();
    rememberRealSize();
    session_.setInputLines(c_.input->cp932Lines());
    // A failed write keeps the window: the drafter can mend the folder and press again, or
    // copy the text.
    if (session_.complete().failed)
        return;
    finished_ = true;
    Q_EMIT finished();
}

void MainWindow::setHintsShown(bool shown)
{
    hintsShown_ = shown;
    if (shown)
        c_.statusBar->clear();
    else
        showStatusLine();
}

bool MainWindow::event(QEvent* e)
{
    if (e->type() == QEvent::StatusTip) {
        if (hintsShown_)
            c_.statusBar->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QWidget::event(e);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == c_.fontName && e->type() == QEvent::MouseButtonPress) {
        chooseFont();
        return true;
    }
    if (watched == c_.fontName && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseFont();
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

bool MainWindow::focusNextPrevChild(bool next)
{
    // Qt's own walk unless a panel is open: then Tab keeps to what the drafter can see.
    if (panelFocus_ && panelFocus_->anyOpen()) {
        if (QWidget* to = panelFocus_->tabTarget(QApplication::focusWidget(), next))
            to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void MainWindow::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (firstShown_)
        return;
    firstShown_ = true;
    // Once the window is on the screen, so the memo messages come over it.
    QTimer::singleShot(0, quickSelect_, &QuickSelectPanel::loadAtStart);
    QTimer::singleShot(0, this, &MainWindow::openRealSizeAtStart);
}

void MainWindow::mouseMoveEvent(QMouseEvent* e)
{
    quickSelect_->leaveSlotPreview();
    QWidget::mouseMoveEvent(e);
}

void MainWindow::showAfterSlot()
{
    AnnotationSettings& s = session_.settings();
    // The slot keeps whether the IME toggle is down; the mode stays the caption's.
    if ((s.imeStartMode > 0) != imeButton_.down) {
        imeButton_.down = s.imeStartMode > 0;
        c_.input->setOwnImeMode(imeButton_.down ? imeModeFor(imeButton_.mode) : ImeMode::closed);
    }
    s.imeStartMode = imeButton_.storedValue();
    showImeButton();
    showPatternNames();
    showSettings();
    showStatusLine();
    quickSelect_->showButtons();
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    if (!finished_) {
        storeWindowPlace();
        rememberRealSize();
        session_.close();
        finished_ = true;
    }
    e->accept();
}

} // namespace tagler
