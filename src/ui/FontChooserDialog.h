#pragma once
#include <QDialog>

class QCheckBox;
class QFontComboBox;
class QLabel;

namespace tagler {

// The fonts a drafter can give an annotation: Japanese families only, opened
// on the current choice, answering with a family name the host can use.
class FontChooserDialog final : public QDialog {
    Q_OBJECT
public:
    // A name with a leading "@" is the vertical form of the family.
    explicit FontChooserDialog(const QString& initialName, QWidget* parent = nullptr);

    // The family, "@"-prefixed for the vertical form; never a foundry suffix. Untouched, the
    // stored name stays as it was, even when this machine lacks the font.
    QString chosenName() const;
    QFontComboBox* familyBox() const { return families_; }
    QCheckBox* verticalBox() const { return vertical_; }

private:
    void showSample();

    QString initialName_;
    bool touched_ = false;
    QFontComboBox* families_;
    QCheckBox* vertical_;
    QLabel* sample_;
};

// "C059 [UKWN]" → "C059": the font list may qualify a family with its foundry.
QString plainFamily(const QString& family);

} // namespace tagler
