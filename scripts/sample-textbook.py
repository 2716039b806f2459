#!/usr/bin/env python3
# Writes the sample text-book page and its table of contents (CP932, CR LF)
# into the folder given: scripts/sample-textbook.py data
import sys
left = [
    ["特定防火設備（防火戸）", "常時閉鎖式　ドアクローザー付"],
    ["防火設備（防火戸）", "随時閉鎖式　煙感知器連動"],
    ["防火区画", "耐火構造　1時間"],
    ["防火ダンパー FD", "温度ヒューズ 72℃"],
    ["貫通部　耐火処理", "ロックウール充填　モルタル埋戻し"],
    ["給水管　VLP 20A"],
    ["給湯管　HTLP 20A", "保温 t=20"],
    ["排水管　VP 100A", "勾配 1/100以上"],
    ["通気管　VP 50A"],
    ["汚水管　VP 75A", "勾配 1/50以上"],
    ["ガス管　SGP 25A"],
    ["冷媒管　φ9.52/φ15.88", "保温付"],
    ["ドレン管　VP 25A", "勾配 1/100以上"],
    ["換気扇　φ100", "ウェザーカバー（防火ダンパー付）"],
    ["点検口　450角", "アルミ目地"],
    ["床下点検口　600角", "気密型"],
    ["既存撤去"],
    ["新設"],
]
right = [
    ["床：フローリング t=12", "下地：合板 t=12"],
    ["床：長尺塩ビシート t=2.5", "下地：モルタル金ゴテ"],
    ["床：タイルカーペット t=6.5"],
    ["床：磁器質タイル 300角", "モルタル張り"],
    ["壁：PB t=12.5 ＋ビニルクロス貼", "LGS 65型 @303"],
    ["壁：PB t=12.5 二重張", "ビニルクロス貼"],
    ["壁：コンクリート打放し", "撥水剤塗布"],
    ["壁：耐水PB t=12.5", "ビニルクロス貼（防カビ）"],
    ["天井：PB t=9.5 ＋ビニルクロス貼", "軽鉄下地 19型 @303"],
    ["天井：岩綿吸音板 t=12", "PB t=9.5 下地"],
    ["天井：ケイカル板 t=6", "EP塗り"],
    ["巾木：ソフト巾木 H=60"],
    ["廻り縁：塩ビ製"],
    ["外壁：ALC t=100", "アクリル系吹付タイル"],
    ["屋上：アスファルト防水", "押えコンクリート t=80"],
    ["シーリング", "変成シリコーン系"],
    ["GL±0", "FL+300"],
    ["W=1200 H=2000"],
]
lines = []
for block in left + right:
    block = block + [""] * (5 - len(block))
    lines += block
assert len(lines) == 180, len(lines)
for l in lines:
    assert len(l.encode("cp932")) <= 70, l
with open(sys.argv[1] + "/PMDATA1.tx", "wb") as f:
    f.write("".join(l + "\r\n" for l in lines).encode("cp932"))
titles = ["防火・設備・仕上"] + [""] * 19
with open(sys.argv[1] + "/PJDATA.tx", "wb") as f:
    f.write("".join(t + "\r\n" for t in titles).encode("cp932"))
