#pragma once
#include "ui/RealSizeSource.h"

#include <QTimer>
#include <QWidget>

class QSettings;

namespace tagler {

class Session;

// 「実寸プレビュー」: a tool window beside the main window showing what
// 「入力完了」 would hand the host now, redrawn on every change.
class RealSizePreviewWindow final : public QWidget {
    Q_OBJECT
public:
    RealSizePreviewWindow(const Session& session, QWidget* owner);

    // Something the picture depends on may have changed. A picture that takes
    // long to make waits for a pause in the changes.
    void changed();
    void toggle();

    // Whether it was open and where, in the program's own settings.
    void remember(QSettings& settings) const;
    void restore(QSettings& settings);

    const render::RealSizeScene& scene() const { return source_.scene(); }
    int refreshCount() const { return refreshes_; }
    bool waitsForPause() const { return costMs_ > kLiveBudgetMs; }

    // A refresh and a paint together within this many milliseconds keep up with typing.
    static constexpr double kLiveBudgetMs = 30;
    static constexpr int kPauseMs = 250;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void placeBesideOwner();

    RealSizeSource source_;
    QTimer timer_;
    bool stale_ = true;
    bool placed_ = false;
    int refreshes_ = 0;
    double refreshMs_ = 0;
    double costMs_ = 0;
};

} // namespace tagler
