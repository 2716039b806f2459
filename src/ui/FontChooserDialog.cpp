#include "ui/FontChooserDialog.h"

#include "ui/WindowLook.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace tagler {

QString plainFamily(const QString& family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]\\s*$"));
    return QString(family).remove(foundry);
}

namespace {

// The family to open on: the chosen one when it is installed, else the first Japanese stand-in.
QFont openingFont(const QString& family)
{
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString& name : fontCandidates(family))
        for (const QString& installed : japanese)
            if (plainFamily(installed) == name)
                return QFont(installed);
    return japanese.isEmpty() ? QFont() : QFont(japanese.first());
}

} // namespace

FontChooserDialog::FontChooserDialog(const QString& initialName, QWidget* parent)
    : QDialog(parent), initialName_(initialName), families_(new QFontComboBox(this)), vertical_(new QCheckBox(this)),
      sample_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("フォント"));
    const bool verticalForm = initialName.startsWith(QLatin1Char('@'));
    families_->setWritingSystem(QFontDatabase::Japanese);
    families_->setCurrentFont(openingFont(verticalForm ? initialName.mid(1) : initialName));
    vertical_->setText(QStringLiteral("縦書き用（@付き）"));
    vertical_->setChecked(verticalForm);
    sample_->setMinimumHeight(48);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(families_, &QFontComboBox::currentFontChanged, this, [this] {
        touched_ = true;
        showSample();
    });
    connect(vertical_, &QCheckBox::toggled, this, [this] { touched_ = true; });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("フォント名"), this));
    layout->addWidget(families_);
    layout->addWidget(vertical_);
    layout->addWidget(sample_);
    layout->addWidget(buttons);
    showSample();
}

QString FontChooserDialog::chosenName() const
{
    if (!touched_)
        return initialName_;
    const QString family = plainFamily(families_->currentFont().family());
    return vertical_->isChecked() ? QLatin1Char('@') + family : family;
}

void FontChooserDialog::showSample()
{
    QFont font = families_->currentFont();
    font.setPixelSize(24);
    sample_->setFont(font);
    sample_->setText(QStringLiteral("注釈文字 Aa 123"));
}

} // namespace tagler
