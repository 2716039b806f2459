#include "ui/Builders.h"
#include "ui/ColorBox.h"
#include "ui/InputBox.h"
#include "ui/PreviewBox.h"
#include "ui/TextBookGrid.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>

namespace tagler {

namespace {

void hint(std::initializer_list<QWidget*> widgets, const char* text)
{
    for (QWidget* w : widgets)
        if (w)
            w->setStatusTip(QString::fromUtf8(text));
}

} // namespace

// Status-bar hints, never tool tips: the window shows them only while
// 簡易説明 is down.
void applyHints(MainControls& c)
{
    hint({c.tipSymbol, c.tipSymbolLabel},
         "引出し点の記号の形状を選択、Jwwで指示点１、２が近い時は引出し記号と引出線を書かない");
    hint({c.lineType}, "引出線,延長線,文字枠に使用する線の種類。線種はJwwの設定に依存する");
    hint({c.frameType, c.frameTypeLabel}, "注釈文字部分に付く枠の種類、延長線付きの枠は任意又は指定長さの延長線が付く");
    hint({c.attachPosition, c.attachPositionLabel},
         "引出線又は延長線が文字枠に接続する位置を指定する、下線枠と長丸枠の時は無効");
    hint({c.extensionLengthMode}, "任意= Jwwの画面でクリックした長さ　指定= 設定値の長さ");
    hint({c.extensionLength}, "長さ指定を選択した時の延長線の長さ");
    hint({c.extensionLengthLabel}, "延長線の長さを選択　　任意= Jwwの画面でクリックした長さ　指定= 設定値の長さ");
    hint({c.textType},
         "書き込む文字のサイズ。文字のサイズはJwwの設定に依存する　（JWW書込 > Jwwの現在の書込み文字種）");
    hint({c.textSlide, c.textSlideLabel},
         "文字枠が下線か下線延長線の時行単位で文字をずらす。最大○行の指定は、１行以上を下線の上に残す");
    hint({c.copyMode}, "登録文字帳の選択ブロック内容を注釈文字入力ボックスへのコピー方法の切り替え");
    hint({c.basicSettings}, "基本設定のウィンドウを表示する。Escで閉じる");
    hint({c.registerSettings}, "基本設定以外の設定を保存する");
    hint({c.frameGapVertical}, "注釈文字の上下と文字枠の間隔を調整 ( 縮尺1/1の時で0.1mm単位 )");
    hint({c.frameGapHorizontal}, "注釈文字の左右と文字枠の間隔を調整 ( 縮尺1/1の時で0.1mm単位 )");
    hint({c.arrowLength}, "先端記号の矢印と三角の長さ調整 (縮尺1/1の時で1mm単位 )");
    hint({c.arrowAngle}, "先端記号の矢印と三角の角度切り替え");
    hint({c.lineSpacing}, "注釈文字の行間隔の調整 ( 縮尺1/1の時で0.1mm単位 )");
    hint({c.leaderColor}, "引出線(斜線)の書込み色指定。　１～８の色はJwwの設定色");
    hint({c.arrowColor}, "先端記号 矢印、三角の書込み色  ( 引出線色 > 引出線の色に合わせる )");
    hint({c.dotColor}, "先端記号 実点の書込み色　( 引出線色 > 引出線の色に合わせる )");
    hint({c.extensionColor}, "延長線付文字枠の延長線の書込み色　( 引出線色 > 引出線の色に合わせる )");
    hint({c.frameColor}, "文字枠の書込み色。　( 引出線色 > 引出線の色に合わせる )　下線延長線の時は延長線色になる");
    hint({c.writeGroup}, "注釈を書き込むJwwのグループ番号　( JWW書込 > 現在のJWW書込グループ )");
    hint({c.lineLayer}, "線と点を書き込むJwwのレイヤ番号　( JWW書込 > 現在のJWW書込レイヤ )");
    hint({c.textLayer}, "文字を書き込むJwwのレイヤ番号　( JWW書込 > 現在のJWW書込レイヤ )");
    hint({c.patternList}, "基本設定パターンの切替え,６種類のパターン登録が出来る");
    hint({c.patternName},
         "選択されている基本設定切り替えパターン名称を変更する時に新規名称を入力して[基本設定登録]する");
    hint({c.registerPattern}, "基本設定を選択されている基本設定切り替えパターンに登録する");
    hint({c.clear}, "注釈文字入力ボックスをクリヤ");
    hint({c.complete}, "Jwwに注釈を書込む。文字取り込みの時は取り込み終了");
    hint({c.registerBlock}, "注釈文字入力ボックスの文字を文字帳の選択されているブロックに登録する");
    hint({c.deleteBlock}, "文字帳の選択されているブロックを削除する　左クリックで確認あり　右クリックで確認なし");
    hint({c.input, c.inputLabel},
         "Jwwに書き込む注釈文字を入力、文字帳に登録できる、クリップボードが使用可能、半角７０文字×５行");
    hint({c.textBookGrid}, "ダブルクリック、Enterで注釈文字にコピー。F2、文字入力で編集(Ctrl+Enterで終了)。"
                           "ホイールクリックで全行表示");
    hint({c.switchTextBook}, "文字帳が保存されているフォルダを切り替える、各フォルダに２～２０ページの登録が出来る");
    hint({c.statusBar}, "「文字帳切替」で選択した文字帳のフォルダ名表示、または項目説明の表示。");
    hint({c.useEmbeddedText}, "注釈文字入力ボックスに埋込文字行があれば埋込文字として書き出す");
    hint({c.imeStartMode}, "起動時に注釈文字入力ボックスの文字を選択した入力モードにする 左クリックでON,OFF  "
                           "右クリック、Shift+F10でモード切替");
    hint({c.windowColor}, "タグラーのウィンドウ色を変更する、基本設定パターンごとに登録出来る");
    hint({c.previewFrame, c.settingsPreview, c.slotPreview}, "JWWに書き出す引き出し線と枠の設定をイメージで表示する");
    hint({c.fontName}, "フォント切替するフォント名を表示、クリックにてフォント選択ウィンドウを表示");
    hint({c.fontSwitch}, "クリックごとに注釈文字のフォントを、JWWの文字フォントと選択フォントで切り替え");
    hint({c.tableOfContents, c.pageNumbers},
         "登録文字帳のページ目次を表示、クリック、F2で編集出来る。クリック、ホイール、矢印キーでページ切替");
    hint({c.fillInside}, "文字枠内を着色、文字枠と着色部分の間隔は基本設定「枠内着色と枠間隔」にて調整");
    hint({c.fillColor}, "文字枠内を着色する色の選択、カスタムにて任意色を作成できる");
    hint({c.fillGap}, "「枠内着色」の時文字枠と着色部分の間隔を設定する");
    hint({c.tiltFrame}, "注釈の斜め書き、注釈を指示点２と３の傾斜で書き出す");
    hint({c.slotSave}, "保存ボタンがダウンの時１～１０のボタンは設定を保存、アップの時は保存した設定に切替。右クリック"
                       "、Shift+F10でメニュー表示");
    hint({c.dotRadiusOnes}, "先端記号実点、空点の半径指定( 縮尺1/1の時で1mm単位 )");
    hint({c.dotRadiusTenths}, "先端記号実点、空点の半径指定( 縮尺1/1の時で0.1mm単位 )");
    for (QAbstractButton* b : c.detectionRange->buttons())
        hint({b}, "登録文字帳の左右端付近にてマウスカーソルによるブロック（セル）の選択と検知範囲の選択");
    hint({c.textCenterBase}, "文字モードの時指示点１を文字の左右中心にする");
    hint({c.continuous}, "選択されている簡単選択で次回起動する。終了時のチェック状態を記憶する");
    hint({c.fixedLeaderLength}, "「長さ記憶」で保存した引出し線の長さにする。終了時のチェック状態を記憶する");
    hint({c.rememberLength}, "起動時の指示点１－２の長さを記憶する。記憶した長さは「引出線長固定」で反映する");
    hint({c.noFrameGap}, "枠と文字間のスペースを無くす。枠は文字サイズと同じになる");
    hint({c.memoGrid}, "簡単選択１～１０のメモ。F2、文字入力で編集、Tabで次の項目へ、Escで閉じる");
}

} // namespace tagler
