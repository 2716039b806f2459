#include "ui/SettingsBinding.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace tagler {

SettingsBinding::SettingsBinding(AnnotationSettings& settings, QObject* parent) : QObject(parent), settings_(settings)
{}

void SettingsBinding::edited(const std::function<void(AnnotationSettings&)>& write)
{
    if (showing_)
        return;
    write(settings_);
    Q_EMIT changed();
}

void SettingsBinding::index(QComboBox* box, int AnnotationSettings::*field)
{
    connect(box, &QComboBox::currentIndexChanged, this, [this, field](int i) {
        if (i >= 0)
            edited([&](AnnotationSettings& s) { s.*field = i; });
    });
    shown(box, [this, box, field] { box->setCurrentIndex(settings_.*field); });
}

void SettingsBinding::value(QSpinBox* box, int AnnotationSettings::*field)
{
    connect(box, &QSpinBox::valueChanged, this,
            [this, field](int v) { edited([&](AnnotationSettings& s) { s.*field = v; }); });
    shown(box, [this, box, field] { box->setValue(settings_.*field); });
}

void SettingsBinding::flag(QAbstractButton* button, bool AnnotationSettings::*field)
{
    connect(button, &QAbstractButton::toggled, this,
            [this, field](bool on) { edited([&](AnnotationSettings& s) { s.*field = on; }); });
    shown(button, [this, button, field] { button->setChecked(settings_.*field); });
}

void SettingsBinding::group(QButtonGroup* group, int AnnotationSettings::*field)
{
    connect(group, &QButtonGroup::idToggled, this, [this, field](int id, bool on) {
        if (on)
            edited([&](AnnotationSettings& s) { s.*field = id; });
    });
    shown(group, [this, group, field] {
        if (QAbstractButton* b = group->button(settings_.*field))
            b->setChecked(true);
    });
}

void SettingsBinding::shown(QObject* control, std::function<void()> show)
{
    shows_.emplace_back(control, std::move(show));
}

void SettingsBinding::show()
{
    showing_ = true;
    for (auto& [control, show] : shows_) {
        const QSignalBlocker blocker(control);
        show();
    }
    showing_ = false;
}

} // namespace tagler
