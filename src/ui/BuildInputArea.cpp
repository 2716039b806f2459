#include "ui/Builders.h"
#include "ui/InputBox.h"
#include "ui/Placement.h"

#include <QLineEdit>

namespace tagler {

void buildInputArea(QWidget* w, MainControls& c, ImeControl& ime)
{
    // The label stands upright beside the box, one character a row.
    c.inputLabel = place::label(w, QStringLiteral("注\n釈\n文\n字"), 2, 53, 14, 72);
    c.inputLabel->setAlignment(Qt::AlignCenter);
    c.input = place::at(new InputBox(ime, w), 17, 53, 437, 72);

    c.fontSwitch = place::button(w, QStringLiteral("ﾌｫﾝﾄ切替"), 3, 129, 82);
    c.fontName = place::at(new QLineEdit(w), 87, 130, 161, 20);
    c.fontName->setReadOnly(true);
    c.fontName->setFocusPolicy(Qt::TabFocus); // Space or Enter opens the chooser, as a click does
    c.fontName->setCursor(Qt::PointingHandCursor);
    c.fontName->setAutoFillBackground(true);

    c.copyMode = place::combo(w,
                              {QStringLiteral("ｶｰｿﾙ行に上書"), QStringLiteral("ｶｰｿﾙ行に挿入"),
                               QStringLiteral("ｶｰｿﾙ行に追加"), QStringLiteral("全行入替え")},
                              268, 130, 112);
    c.clear = place::button(w, QStringLiteral("クリア"), 383, 129, 71);
}

} // namespace tagler
