#include "ui/RegisterFeedback.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

namespace tagler {

QColor registeredCaptionColour() { return QColor(0, 128, 0); }

RegisterFeedback::RegisterFeedback(std::initializer_list<QAbstractButton*> buttons,
                                   std::initializer_list<QLabel*> labels, QObject* parent)
    : QObject(parent), buttons_(buttons), labels_(labels)
{
    timer_.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the feedback must stay its whole time.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &RegisterFeedback::expire);
}

void RegisterFeedback::flash(QAbstractButton* button)
{
    QPalette p = button->palette();
    p.setColor(QPalette::ButtonText, registeredCaptionColour());
    button->setPalette(p);
    timer_.start();
}

void RegisterFeedback::flash(QLabel* label)
{
    showOnly(label);
    clickShown_ = true;
}

void RegisterFeedback::hint(QLabel* label)
{
    if (clickShown_ && timer_.isActive())
        return;
    showOnly(label);
    clickShown_ = false;
}

// The labels share one place: one at a time is seen.
void RegisterFeedback::showOnly(QLabel* label)
{
    for (QLabel* l : labels_)
        if (l != label)
            l->hide();
    label->show();
    label->raise();
    timer_.start();
}

void RegisterFeedback::expire()
{
    for (QAbstractButton* b : buttons_) {
        QPalette p = b->palette();
        p.setColor(QPalette::ButtonText, QApplication::palette(b).color(QPalette::ButtonText));
        b->setPalette(p);
    }
    for (QLabel* l : labels_)
        l->hide();
    clickShown_ = false;
}

} // namespace tagler
