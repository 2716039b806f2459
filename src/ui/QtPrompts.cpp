#include "ui/QtPrompts.h"

#include "app/Messages.h"
#include "store/TextBookFolder.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace tagler {

namespace {

int showBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QString::fromUtf8(messages::kTitle), messageBoxText(text), buttons, parent);
    return box.exec();
}

} // namespace

QString messageBoxText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void QtPrompts::information(const std::string& text)
{
    showBox(parent_, QMessageBox::Information, text, QMessageBox::Ok);
}

void QtPrompts::warning(const std::string& text) { showBox(parent_, QMessageBox::Warning, text, QMessageBox::Ok); }

bool QtPrompts::question(const std::string& text)
{
    return showBox(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtPrompts::chooseFolder(const std::string& root)
{
    const QString rootPath = QDir(QString::fromStdString(root)).canonicalPath();
    // Qt's own dialog, so it can be held to the start folder and the folders below it.
    QFileDialog dialog(parent_, QStringLiteral("文字帳切り替え"), rootPath);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setSidebarUrls({QUrl::fromLocalFile(rootPath)});
    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog,
                     [&dialog, &root, rootPath](const QString& entered) {
                         if (!liesInside(root, entered.toStdString()))
                             dialog.setDirectory(rootPath);
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // A folder outside still reaches the store, which refuses it with a message.
    return QDir(dialog.selectedFiles().constFirst()).canonicalPath().toStdString();
}

} // namespace tagler
