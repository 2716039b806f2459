#pragma once
#include "settings/AnnotationSettings.h"

#include <QObject>
#include <functional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QSpinBox;

namespace tagler {

// Which control shows which field of the settings record. A user's change
// writes the field and reports changed(); show() puts every field back on its
// control without reporting anything.
class SettingsBinding final : public QObject {
    Q_OBJECT
public:
    explicit SettingsBinding(AnnotationSettings& settings, QObject* parent = nullptr);

    void index(QComboBox* box, int AnnotationSettings::*field);
    void value(QSpinBox* box, int AnnotationSettings::*field);
    void flag(QAbstractButton* button, bool AnnotationSettings::*field);
    void group(QButtonGroup* group, int AnnotationSettings::*field);
    // A control whose writing side is handled elsewhere; only shown here.
    void shown(QObject* control, std::function<void()> show);

    void show();

Q_SIGNALS:
    void changed();

private:
    void edited(const std::function<void(AnnotationSettings&)>& write);

    AnnotationSettings& settings_;
    std::vector<std::pair<QObject*, std::function<void()>>> shows_;
    bool showing_ = false;
};

} // namespace tagler
