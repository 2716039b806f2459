#include "ui/Builders.h"
#include "ui/ColorBox.h"
#include "ui/Placement.h"
#include "ui/PreviewBox.h"
#include "ui/WindowLook.h"

#include <QFrame>

namespace tagler {

namespace {

constexpr int kColumn = 468;
constexpr int kColumnWidth = 100;

} // namespace

void buildSideColumn(QWidget* w, MainControls& c)
{
    c.registerSettings = place::button(w, QStringLiteral("設定登録"), kColumn, 44, kColumnWidth);
    c.basicSettings = place::button(w, QStringLiteral("基本設定"), kColumn, 66, kColumnWidth);
    c.imeStartMode = place::button(w, QStringLiteral("日本語ひら"), kColumn, 88, kColumnWidth, place::kRowHeight, true);
    c.useEmbeddedText =
        place::button(w, QStringLiteral("埋込文字使用"), kColumn, 110, kColumnWidth, place::kRowHeight, true);

    c.fillColor = place::at(new ColorBox(w), kColumn, 133, 38);
    c.fillColor->setOpenGeometry(QRect(404, 133, 102, place::kRowHeight));
    c.fillInside = place::button(w, QStringLiteral("枠内着色"), 508, 132, 60, place::kRowHeight, true);

    c.tiltFrame = place::button(w, QStringLiteral("注釈\n傾斜"), 575, 177, 46, 30, true);
    c.complete = place::button(w, QStringLiteral("入力完了"), 634, 177, 86, 30);

    c.previewFrame = place::at(new QFrame(w), 610, 40, 105, 62);
    c.previewFrame->setFrameShape(QFrame::Box);
    c.previewFrame->setAutoFillBackground(true);
    // Cream behind the settings picture; the slot preview turns it silver.
    QPalette cream = c.previewFrame->palette();
    constexpr std::int32_t kCream = 15793151;
    cream.setColor(QPalette::Window, toQColor(kCream));
    c.previewFrame->setPalette(cream);
    c.settingsPreview = place::at(new PreviewBox(c.previewFrame), 1, 1, 104, 60);
    c.slotPreview = place::at(new PreviewBox(c.previewFrame), 1, 1, 104, 60);
    c.slotPreview->hide();
}

} // namespace tagler
