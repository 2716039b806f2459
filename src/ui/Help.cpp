#include "ui/Help.h"

#include "app/Messages.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace tagler {

namespace {

const char* kBuiltInHelp =
    "<b>注釈文字</b>を最大５行（１行 半角７０文字）入力し、先端記号・文字枠・アタッチ位置などを選んで"
    "［入力完了］を押すと、Jwwに引出線付きの注釈を書き込みます。<br><br>"
    "Alt+Enter：入力完了<br>"
    "［基本設定］：矢印・色・グループ・レイヤなどの設定（６パターン登録可）<br>"
    "［設定登録］：基本設定以外の設定を保存<br>"
    "［簡易説明］：押している間、マウスの下の項目の説明をステータスバーに表示<br>"
    "文字帳：ダブルクリックで注釈文字にコピー、［登録］［削除］［文字帳切替］<br>"
    "簡単選択１～１０：［保存］ダウンで設定を保存、アップで保存した設定に切替";

} // namespace

void showHelp(QWidget* parent, const std::string& startFolder)
{
    const QFileInfo file(QString::fromStdString(startFolder) + QStringLiteral("/tagler.hlp"));
    if (file.exists() && QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
        return;
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(messages::kTitle), QString::fromUtf8(kBuiltInHelp),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

} // namespace tagler
