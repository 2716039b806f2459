// Every caption and item fits its control, measured with the control's own font at the scale the test runs at
// (ctest runs this at 100 %, 150 % and 200 %), over the list style of the Windows build.
#include "UiTestSupport.h"

#include "ui/ColorBox.h"
#include "ui/WindowStyle.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

namespace tagler {

using test::Folder;
using test::headerLines;
using test::WindowUnderTest;

namespace {

QString describe(const QWidget* w, const QString& text, int needed)
{
    return QStringLiteral("%1 「%2」: %3 wide, needs %4")
        .arg(QString::fromLatin1(w->metaObject()->className()), text)
        .arg(w->width())
        .arg(needed);
}

} // namespace

class LabelWidthTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void captionsFit();
    void itemsFitTheClosedBoxAndItsList();
    void hintsFitTheStatusLine();

private:
    std::unique_ptr<Folder> folder_;
    std::unique_ptr<WindowUnderTest> w_;
};

void LabelWidthTest::initTestCase()
{
    // Windows' own styles leave a list as narrow as its box; Fusion would widen it and hide the fault.
    QApplication::setStyle(new WindowStyle(QStyleFactory::create(QStringLiteral("Windows"))));
    folder_ = std::make_unique<Folder>(Folder::withDataFiles);
    folder_->write("jwc_temp.txt", headerLines({}));
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    QVERIFY(w_->shown());
}

void LabelWidthTest::captionsFit()
{
    QStringList cut;
    for (QAbstractButton* b : w_->window.findChildren<QAbstractButton*>()) {
        const QFontMetrics metrics(b->font());
        int needed = metrics.size(Qt::TextShowMnemonic, b->text()).width();
        if (!b->icon().isNull())
            needed += b->iconSize().width() + 4;
        if (qobject_cast<QPushButton*>(b))
            needed += 2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b) + 2;
        else // check box or radio button: the indicator and the gap before the text
            needed += b->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) +
                      b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
        if (!b->text().isEmpty() && needed > b->width())
            cut << describe(b, b->text(), needed);
    }
    for (QLabel* label : w_->window.findChildren<QLabel*>()) {
        const int needed = QFontMetrics(label->font()).size(0, label->text()).width() + 2 * label->margin();
        if (label != w_->c().statusBar && needed > label->contentsRect().width())
            cut << describe(label, label->text(), needed);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
}

void LabelWidthTest::itemsFitTheClosedBoxAndItsList()
{
    QStringList cut;
    for (QComboBox* box : w_->window.findChildren<QComboBox*>()) {
        const QFontMetrics metrics(box->font());
        int longest = 0;
        QString longestText;
        for (int i = 0; i < box->count(); ++i)
            if (const int width = metrics.horizontalAdvance(box->itemText(i)); width > longest) {
                longest = width;
                longestText = box->itemText(i);
            }
        QStyleOptionComboBox option;
        option.initFrom(box);
        const int field =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
        const int icon = box->itemIcon(0).isNull() ? 0 : box->iconSize().width() + 4;
        // The fill colour box is a swatch until it opens; its list carries the names.
        if (box != w_->c().fillColor && longest + icon > field)
            cut << describe(box, longestText, longest + icon + box->width() - field);
        box->showPopup();
        QAbstractItemView* list = box->view();
        if (list->viewport()->width() < list->sizeHintForColumn(0))
            cut << QStringLiteral("the list of ") + describe(list, longestText, list->sizeHintForColumn(0));
        box->hidePopup();
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
}

void LabelWidthTest::hintsFitTheStatusLine()
{
    const QLabel* line = w_->c().statusBar;
    const int room = line->contentsRect().width() - line->indent();
    QStringList cut;
    for (const QWidget* w : w_->window.findChildren<QWidget*>())
        if (const int needed = QFontMetrics(line->font()).horizontalAdvance(w->statusTip()); needed > room)
            cut << QStringLiteral("%1: %2 of %3").arg(w->statusTip()).arg(needed).arg(room);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
}

} // namespace tagler

QTEST_MAIN(tagler::LabelWidthTest)
#include "LabelWidthTest.moc"
