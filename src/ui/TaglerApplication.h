#pragma once
#include <QApplication>

namespace tagler {

// An error nothing else handled ends the program after one message box,
// rather than unwinding through the event loop.
class TaglerApplication final : public QApplication {
    Q_OBJECT
public:
    TaglerApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tagler
