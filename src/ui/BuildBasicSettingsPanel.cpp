#include "settings/SettingsFields.h"
#include "ui/Builders.h"
#include "ui/ColorBox.h"
#include "ui/Placement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace tagler {

namespace {

constexpr int kTop = 24;
constexpr int kStep = 26;

int row(int n) { return kTop + n * kStep; }

QStringList colourList(const QString& first)
{
    QStringList items{first};
    for (int i = 1; i <= 8; ++i)
        items << QString::number(i);
    return items;
}

QStringList hexList()
{
    QStringList items{QStringLiteral("JWW書込")};
    for (int i = 0; i < 16; ++i)
        items << QString::number(i, 16).toUpper();
    return items;
}

QStringList digitList()
{
    QStringList items;
    for (int i = 0; i <= 9; ++i)
        items << QString::number(i);
    return items;
}

void limitToField(QSpinBox* box, int AnnotationSettings::*field)
{
    const FieldRange range = fieldRange(field);
    box->setRange(range.min, range.max);
}

// "label + control" on one row of a column.
template <class W> W* labelled(QWidget* panel, const QString& text, int x, int y, int labelWidth, W* control, int width)
{
    place::label(panel, text, x, y + 4, labelWidth);
    return place::at(control, x + labelWidth, y, width);
}

void buildMeasures(QFrame* p, MainControls& c)
{
    constexpr int x = 8;
    constexpr int labelWidth = 132;
    c.arrowLength = labelled(p, QStringLiteral("矢印長さ"), x, row(0), labelWidth, new QSpinBox(p), 52);
    limitToField(c.arrowLength, &AnnotationSettings::arrowLength);
    c.arrowAngle = labelled(p, QStringLiteral("矢印角度"), x, row(1), labelWidth, new QComboBox(p), 52);
    c.arrowAngle->addItems({QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("15"),
                            QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("35"),
                            QStringLiteral("40"), QStringLiteral("45")});
    c.arrowAngle->setMaxVisibleItems(10);
    c.lineSpacing = labelled(p, QStringLiteral("文字行間隔 (-0.9～9.9)"), x, row(2), labelWidth, new QSpinBox(p), 52);
    limitToField(c.lineSpacing, &AnnotationSettings::lineSpacing);

    place::label(p, QStringLiteral("枠と文字間補正 (-0.9～9.9)"), x, row(3) + 4, 190);
    c.frameGapVertical = labelled(p, QStringLiteral("上 下"), x + 12, row(4), 36, new QSpinBox(p), 52);
    limitToField(c.frameGapVertical, &AnnotationSettings::frameGapVertical);
    c.frameGapHorizontal = labelled(p, QStringLiteral("左 右"), x + 108, row(4), 36, new QSpinBox(p), 52);
    limitToField(c.frameGapHorizontal, &AnnotationSettings::frameGapHorizontal);
    c.noFrameGap = place::at(new QCheckBox(QStringLiteral("枠と文字間なし"), p), x, row(5), 150);

    place::label(p, QStringLiteral("点半径"), x, row(6) + 4, 40);
    c.dotRadiusOnes = labelled(p, QStringLiteral("x1"), x + 44, row(6), 18, new QComboBox(p), 44);
    c.dotRadiusTenths = labelled(p, QStringLiteral("x0.1"), x + 112, row(6), 30, new QComboBox(p), 44);
    for (QComboBox* digits : {c.dotRadiusOnes, c.dotRadiusTenths}) {
        digits->addItems(digitList());
        digits->setMaxVisibleItems(10);
    }
    c.fillGap = labelled(p, QStringLiteral("枠内着色と枠間隔"), x, row(7), labelWidth, new QSpinBox(p), 52);
    limitToField(c.fillGap, &AnnotationSettings::fillGap);
}

void buildColoursAndLayers(QFrame* p, MainControls& c)
{
    constexpr int x = 218;
    constexpr int labelWidth = 78;
    constexpr int width = 84;
    const QString asLeader = QStringLiteral("引出線色");
    c.leaderColor = labelled(p, QStringLiteral("引出線色"), x, row(0), labelWidth, new QComboBox(p), width);
    c.leaderColor->addItems(colourList(QStringLiteral("JWW書込")));
    c.arrowColor = labelled(p, QStringLiteral("矢印色"), x, row(1), labelWidth, new QComboBox(p), width);
    c.dotColor = labelled(p, QStringLiteral("点　色"), x, row(2), labelWidth, new QComboBox(p), width);
    c.extensionColor = labelled(p, QStringLiteral("延長線色"), x, row(3), labelWidth, new QComboBox(p), width);
    c.frameColor = labelled(p, QStringLiteral("文字枠色"), x, row(4), labelWidth, new QComboBox(p), width);
    for (QComboBox* box : {c.arrowColor, c.dotColor, c.extensionColor, c.frameColor})
        box->addItems(colourList(asLeader));

    c.writeGroup = labelled(p, QStringLiteral("書込グループ"), x, row(5) + 6, labelWidth, new QComboBox(p), width);
    c.lineLayer = labelled(p, QStringLiteral("線点書込ﾚｲﾔ"), x, row(6) + 6, labelWidth, new QComboBox(p), width);
    c.textLayer = labelled(p, QStringLiteral("文字書込ﾚｲﾔ"), x, row(7) + 6, labelWidth, new QComboBox(p), width);
    for (QComboBox* box : {c.writeGroup, c.lineLayer, c.textLayer}) {
        box->addItems(hexList());
        box->setMaxVisibleItems(17);
    }
}

void buildDetectionRange(QFrame* p, MainControls& c)
{
    const int y = row(8) + 8;
    place::label(p, QStringLiteral("カーソル移動の 文字帳選択 検知範囲"), 8, y, 210);
    c.detectionRange = new QButtonGroup(p);
    const QStringList names{QStringLiteral("無し"), QStringLiteral("狭い"), QStringLiteral("標準"),
                            QStringLiteral("広い")};
    for (int i = 0; i < names.size(); ++i)
        c.detectionRange->addButton(place::at(new QRadioButton(names[i], p), 8 + 52 * i, y + 16, 50, 20), i);
}

void buildPatterns(QFrame* p, MainControls& c)
{
    constexpr int x = 396;
    constexpr int width = 166;
    // The colour's label above it: beside it, the box could not show ミディアムグレー whole.
    place::label(p, QStringLiteral("ウィンドウ色"), x, row(0) - 2, width);
    c.windowColor = place::at(new ColorBox(p), x, row(0) + 12, width);

    place::label(p, QStringLiteral("基本設定切替"), x, row(1) + 12, width);
    c.patternList = place::at(new QListWidget(p), x, row(1) + 26, width, 80);
    c.patternList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    place::label(p, QStringLiteral("選択した設定名称を"), x, row(5) + 6, width);
    place::label(p, QStringLiteral("変更する時入力"), x, row(5) + 20, width);
    c.patternName = place::at(new QLineEdit(p), x, row(6) + 12, width, 20);
    c.patternName->setMaxLength(24);

    c.registerPattern = place::button(p, QStringLiteral("基本設定登録"), x, row(7) + 14, 100, 24);
    c.closeBasicPanel = place::button(p, QStringLiteral("閉じる"), x + 104, row(7) + 14, width - 104, 24);
}

} // namespace

void buildBasicSettingsPanel(QWidget* w, MainControls& c)
{
    auto* panel = place::at(new QFrame(w), 0, 38, 570, 295);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QLabel* caption = place::label(panel, QStringLiteral("基 本 設 定 "), 2, 2, 566, 18);
    caption->setAlignment(Qt::AlignCenter);
    caption->setAutoFillBackground(true);
    caption->setBackgroundRole(QPalette::Dark);
    caption->setForegroundRole(QPalette::BrightText);

    buildMeasures(panel, c);
    buildColoursAndLayers(panel, c);
    buildDetectionRange(panel, c);
    buildPatterns(panel, c);
    c.basicPanel = panel;
    panel->hide();
}

} // namespace tagler
