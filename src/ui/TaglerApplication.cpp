#include "ui/TaglerApplication.h"

#include "app/Messages.h"
#include "ui/WindowStyle.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <exception>
#include <new>

namespace tagler {

TaglerApplication::TaglerApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The window is Japanese whatever the system's language: so are the standard dialogs' buttons.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    setStyle(new WindowStyle);
    for (const char* name : {"qtbase_ja", "qt_ja"}) {
        auto* translator = new QTranslator(this);
        if (translator->load(QString::fromLatin1(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            installTranslator(translator);
        else
            delete translator;
    }
}

bool TaglerApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        QMessageBox::critical(nullptr, QString::fromUtf8(messages::kTitle), QString::fromUtf8(messages::kOutOfMemory));
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QString::fromUtf8(messages::kTitle), QString::fromUtf8(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QString::fromUtf8(messages::kTitle), QStringLiteral("不明なエラー"));
    }
    exit(1);
    return false;
}

} // namespace tagler
