#include "ui/QtPrompts.h"

#include "app/Messages.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

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
    const QString chosen = QFileDialog::getExistingDirectory(parent_, QStringLiteral("文字帳切り替え"), rootPath);
    if (chosen.isEmpty())
        return std::nullopt;
    // Only folders inside the start folder can be stored as a text-book folder.
    const QString canonical = QDir(chosen).canonicalPath();
    if (canonical != rootPath && !canonical.startsWith(rootPath + QLatin1Char('/')))
        return std::nullopt;
    return canonical.toStdString();
}

} // namespace tagler
