#include "ui/TaglerApplication.h"

#include "app/Messages.h"

#include <QMessageBox>
#include <exception>

namespace tagler {

TaglerApplication::TaglerApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TaglerApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QString::fromUtf8(messages::kTitle), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QString::fromUtf8(messages::kTitle), QStringLiteral("不明なエラー"));
    }
    exit(1);
    return false;
}

} // namespace tagler
