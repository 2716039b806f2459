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
    "Tab：次の項目へ（注釈文字の中ではタブ文字の入力。Ctrl+Tab / Ctrl+Shift+Tab で次・前の項目へ）<br>"
    "Shift+F10 またはアプリケーションキー：右クリックと同じ（文字帳では選択セルのメニュー、［保存］ではメモ、"
    "入力モードのボタンではモード切替）<br>"
    "文字帳：Enter またはダブルクリックで注釈文字へコピー、F2 または文字入力でセルの編集（Enter で改行、"
    "Ctrl+Enter で編集終了）。目次も F2 で編集、矢印キーでページ切替<br>"
    "［基本設定］・メモ：開くと中の項目にフォーカス、Tab は中の項目だけを回り、Esc で閉じて元の項目へ戻る<br>"
    "F2 または "
    "Ctrl+F2：実寸プレビュー（入力完了で書き込む注釈を実寸で表示。右上のイメージの右クリックメニューからも）。"
    "文字帳・目次・メモにフォーカスがあるときの F2 はセルの編集、Ctrl+F2 はどこでもプレビュー<br>"
    "［基本設定］：矢印・色・グループ・レイヤなどの設定（６パターン登録可）<br>"
    "［設定登録］：基本設定以外の設定を保存<br>"
    "［簡易説明］：押している間、マウスの下の項目の説明をステータスバーに表示<br>"
    "右上のイメージ：引出線・先端記号・文字枠の設定を表示（赤い線は指定長さ）<br><br>"
    "<b>簡単選択１～１０</b><br>"
    "［保存］ダウンで押したボタンに現在の設定を保存、アップで保存した設定に切替。"
    "押したボタンをもう一度押すと、登録されている設定に戻ります。<br>"
    "［保存］右クリック（Shift+F10）：ボタンごとのメモを編集（メモはボタンの上にマウスを置くとボタンの上に表示）。"
    "「マウスカーソル移動で」をチェックすると、ボタンの上で保存した設定のイメージを表示<br>"
    "［連続］：終了時に押されている簡単選択で次回起動<br>"
    "［長さ記憶］：指示点１－２の長さを記憶してステータスバーに表示、［引出線長固定］で引出線をその長さにする";

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
