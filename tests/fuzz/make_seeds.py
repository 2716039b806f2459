#!/usr/bin/env python3
"""Writes the seed corpora beside the fuzz targets: headers and selections the
stand-in host writes, the default data files, the test fixtures, and a few
broken variants of each. Run it again when a target reads its bytes
differently; the fuzzers grow their own corpora from these in scripts/fuzz.

usage: tests/fuzz/make_seeds.py BIN_DIR   (the folder holding tagler-host and tagler-batch)
"""
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
CORPUS = HERE / "corpus"


def sjis(text):
    return text.encode("cp932")


def crlf(lines):
    return b"".join(line + b"\r\n" for line in lines)


def host_file(bin_dir, *args, records=None):
    """The exchange file tagler-host new writes with these options."""
    with tempfile.TemporaryDirectory() as tmp:
        folder = pathlib.Path(tmp) / "x"
        cmd = [str(bin_dir / "tagler-host"), "new", str(folder), *args]
        if records is not None:
            rec = pathlib.Path(tmp) / "records.txt"
            rec.write_text("\n".join(records) + "\n", encoding="utf-8")
            cmd += ["--records", str(rec)]
        subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)
        return (folder / "jwc_temp.txt").read_bytes()


def write_corpus(name, seeds):
    folder = CORPUS / name
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir(parents=True)
    for seed_name, data in seeds.items():
        (folder / seed_name).write_bytes(data)
    print(f"{name}: {len(seeds)} seeds")


POINTS = ["--p1", "0,0", "--p2", "30,20", "--p3", "60,20"]
THREE_TEXTS = ['ch 0 0 12 0 "ABCDEF', 'ch 0 -5 8 0 "GHIJ', 'ch 20 -10 10 0 "注記です']
SELECTIONS = {
    "three": THREE_TEXTS,
    "one": ['ch 0 0 12 0 "A'],
    "rotated": ['ch 0 0 0 12 "縦書き', 'ch 5 0 0 -12 "下向き'],
    "tilted": ['ch 0 0 8.660254 5 "傾き', 'ch 10 10 -8.660254 -5 "逆'],
    "groups": ["lg3", 'ch 0 0 12 0 "G3', "lg0", 'ch 0 -10 12 0 "G0'],
    "free_size": ["cn0 3 3.5 0.5 2", 'ch 0 0 16 0 "FREE', "cn2", 'ch 0 -5 8 0 "T2'],
    "font": ['cn"$<ＭＳ 明朝>', 'ch 0 0 12 0 "明朝', 'cn"$<ＭＳ ゴシック>)'],
    "no_text": ["lg0", "ci 0 0 5"],
    "broken": ['ch 0 0 12 0 "A', 'ch 1 2 "B', 'ch 0 0 12 0 "C'],
    "empty_text": ['ch 0 0 0 0 "', 'ch 0 0 12 0 "'],
    "six": [f'ch 0 {-5 * i} 12 0 "line{i}' for i in range(6)],
}


def header_seeds(bin_dir):
    """exchange_header: a byte for the mode (and frame), then the file."""
    normal, t1, t2, t3, t4, t5 = range(6)
    seeds = {}

    def add(name, mode, data, frame=0):
        seeds[name] = bytes([mode + 6 * frame]) + data

    add("normal", normal, host_file(bin_dir, *POINTS))
    add("normal_box", normal, host_file(bin_dir, *POINTS), frame=2)
    add("normal_cloud", normal, host_file(bin_dir, *POINTS), frame=12)
    add("normal_scale", normal, host_file(bin_dir, *POINTS, "--scale", "50", "--text-type", "5"), frame=7)
    add("normal_groups", normal, host_file(bin_dir, *POINTS, "--group-scales",
                                           "1,2,5,10,20,50,100,200,500,1000,1,1,1,1,1,0.5", "--group", "f",
                                           "--layer", "a", "--color", "8"), frame=4)
    add("normal_left", normal, host_file(bin_dir, "--p1", "0,0", "--p2", "-30,-20", "--p3", "-60,-20"), frame=9)
    add("normal_up", normal, host_file(bin_dir, "--p1", "0,0", "--p2", "0,30", "--p3", "0,60"), frame=3)
    add("normal_short", normal, host_file(bin_dir, "--p1", "0,0", "--p2", "0.1,0.1", "--p3", "0.2,0.1"))
    add("normal_font", normal, host_file(bin_dir, *POINTS, "--font", "ＭＳ 明朝"), frame=5)
    add("t4", t4, host_file(bin_dir, "--mode", "T4", "--p1", "10,10", "--p3", "40,10"))
    add("t4_frame", t4, host_file(bin_dir, "--mode", "T4", "--p1", "10,10", "--p3", "10,40"), frame=2)
    add("t5", t5, host_file(bin_dir, "--mode", "T5", *POINTS, "--p4", "15,30"))
    add("t5_curve", t5, host_file(bin_dir, "--mode", "T5", *POINTS, "--p4", "15,30"), frame=14)
    add("t1", t1, host_file(bin_dir, "--mode", "T1", records=THREE_TEXTS))
    add("t2", t2, host_file(bin_dir, "--mode", "T2", records=THREE_TEXTS), frame=2)
    add("t3", t3, host_file(bin_dir, "--mode", "T3", records=SELECTIONS["groups"]), frame=7)

    plain = host_file(bin_dir, *POINTS)
    lines = plain.split(b"\r\n")[:-1]
    add("lf_only", normal, b"\n".join(lines) + b"\n")
    add("cr_only", normal, b"\r".join(lines))
    add("no_final_break", normal, plain[:-2])
    add("transformed", normal, crlf([b"lg0", b"ly0", b" 0 0 10 10"]))
    add("too_short", normal, crlf(lines[:12]))
    add("free_size_type", normal, crlf([l if l != b"cn1" else b"cn0 3 3.5 0.5 2" for l in lines]))
    add("short_sizes", normal, crlf([l if not l.startswith(b"hch") else b"hch 2 2.5" for l in lines]))
    add("bad_point", normal, crlf([l if not l.startswith(b"hp2") else b"hp2   x 20" for l in lines]))
    add("hex_group", normal, crlf([l if l != b"lg0" else b"lgB" for l in lines]), frame=1)
    add("empty", normal, b"")
    return seeds


def selection_seeds(bin_dir):
    """selection: a byte for T1..T3, one byte each for frameType,
    attachPosition, textType, fillColorIndex, fillInside, tiltFrame,
    lineSpacing, fillGap, frameGapVertical, frameGapHorizontal, writeGroup,
    lineLayer, noFrameGap (in the field table's order, as offsets from each
    field's minimum), then the file."""
    seeds = {}

    def prefix(mode, frame=2, attach=0, text_type=0, fill=0, inside=0, tilt=0, spacing=0, fill_gap=0, gap_v=0,
               gap_h=0, group=0, layer=0, no_gap=1):
        # lineSpacing and the gaps run from -9.
        return bytes([mode, frame, attach, text_type, fill, inside, tilt, spacing + 9, fill_gap, gap_v + 9,
                      gap_h + 9, group, layer, no_gap])

    for name, records in SELECTIONS.items():
        for mode, tag in ((1, "t2"), (2, "t3")):
            seeds[f"{tag}_{name}"] = prefix(mode) + host_file(bin_dir, "--mode", tag.upper(), records=records)
    seeds["t1_three"] = prefix(0) + host_file(bin_dir, "--mode", "T1", records=THREE_TEXTS)
    seeds["t1_six"] = prefix(0) + host_file(bin_dir, "--mode", "T1", records=SELECTIONS["six"])
    three = host_file(bin_dir, "--mode", "T3", records=THREE_TEXTS)
    for frame in (0, 3, 8, 12, 14):
        seeds[f"t3_frame{frame}"] = prefix(2, frame=frame, fill=3, inside=frame % 2, no_gap=0, gap_v=5) + three
    for frame in (1, 5, 10, 11, 13):
        seeds[f"t2_frame{frame}"] = prefix(1, frame=frame, attach=frame % 5, spacing=10) + three
    scaled = host_file(bin_dir, "--mode", "T3", "--group-scales", "1,2,5,10,20,50,100,200,500,1000,1,1,1,1,1,0.5",
                       records=SELECTIONS["groups"])
    seeds["t3_scaled_groups"] = prefix(2, group=5, layer=3) + scaled
    seeds["t2_scaled_groups"] = prefix(1, group=5, layer=3) + scaled
    sample = (ROOT / "tests/data/host_sample_records.txt").read_bytes().split(b"\r\n")[:40]
    header = host_file(bin_dir, "--mode", "T3").split(b"\r\n")[:-1]
    seeds["t3_sample"] = prefix(2, frame=12) + crlf(header + sample)
    seeds["t3_lf_only"] = prefix(2) + b"\n".join(three.split(b"\r\n"))
    seeds["t3_short"] = prefix(2) + crlf(three.split(b"\r\n")[:14])
    return seeds


def data_file_seeds(real, fixtures, edits):
    seeds = {"default": real.read_bytes()}
    for f in fixtures:
        seeds[f.stem] = f.read_bytes()
    lines = real.read_bytes().split(b"\r\n")[:-1]
    for name, changes in edits.items():
        changed = list(lines)
        for index, value in changes.items():
            changed[index] = value
        seeds[name] = crlf(changed)
    seeds["lf_only"] = b"\n".join(lines) + b"\n"
    seeds["no_final_break"] = b"\r\n".join(lines)
    seeds["empty"] = b""
    return seeds


def persistent_state_seeds():
    return data_file_seeds(
        ROOT / "data/PLDATA.tx", sorted((ROOT / "tests/data").glob("pl_*.tx")),
        {
            "remembered_length": {24: b"1", 25: b"12.5"},
            "remembered_text": {24: b"1", 25: b"abc"},
            "remembered_huge": {24: b"1", 25: b"1e30"},
            "font_switch": {15: b"-1", 20: sjis("ＭＳ 明朝")},
            "fill_inside": {18: b"255", 19: b"-5"},
            "fill_zero": {19: b"0"},
            "continuous": {23: b"x"},
            "continuous_slot": {23: b"7"},
            "text_book": {4: b"20", 11: sjis("\\sub\\箱")},
            "window_blank": {16: b"", 17: b" 12 "},
            "tilt_center": {21: b"1", 22: b"1", 2: b"12"},
            "embedded": {13: b"1", 9: b"6", 3: b"4"},
            "ime_low": {14: b"-3"},
            "out_of_range": {0: b"8"},
        })


def pattern_seeds():
    def block(pattern, offset):
        return pattern * 20 + offset

    return data_file_seeds(
        ROOT / "data/PKDATA.tx", sorted((ROOT / "tests/data").glob("pk_*.tx")),
        {
            "spin_limits": {block(0, 0): b"999", block(0, 2): b"-50", block(0, 6): b"100"},
            "window_custom": {block(1, 14): b"8421376", block(1, 15): b"0"},
            "dot_one_digit": {block(2, 16): b"5"},
            "colours": {block(3, 1): b"8", block(3, 3): b"1", block(3, 9): b"4"},
            "groups": {block(4, 10): b"16", block(4, 11): b"1", block(4, 12): b"9"},
            "names": {120: sjis("基本設定　一"), 121: b"", 125: sjis("名前" * 20)},
            "gap_off": {block(5, 18): b"0", block(5, 6): b"-9", block(5, 7): b"99"},
            "bad_index": {block(0, 13): b"10"},
        })


def settings_fields(bin_dir):
    """The writer target's layout: fields in the table's order, each as an offset
    from its minimum in one byte (four when the range is wider than a byte), a
    flag byte, or a length byte and text. The table and its defaults come from
    the program, so a new field moves no seed by hand."""
    listing = subprocess.run([str(bin_dir / "tagler-batch"), "--list-fields"], check=True, capture_output=True,
                             text=True, encoding="utf-8").stdout
    fields, defaults = [], {}
    for line in listing.splitlines():
        name, kind, low, high, default = line.split("\t")
        if kind == "number":
            fields.append((name, int(low), int(high)))
            defaults[name] = int(default)
        elif kind == "flag":
            fields.append((name, None, None))
            defaults[name] = int(default)
        else:
            fields.append((name, "", ""))
            defaults[name] = default
    return fields, defaults


def number(value):
    """A form byte and four bytes: a decimal with up to seven places."""
    for places in range(8):
        scaled = round(value * 10**places)
        if abs(scaled - value * 10**places) < 1e-9:
            return bytes([places]) + struct.pack(">i", scaled)
    raise ValueError(value)


def make_writer_seed(table, mode=0, text="注記\r\nA-1", points=((0, 0), (30, 20), (60, 20), (15, 30)), scale=1,
                **fields):
    layout, defaults = table
    values = dict(defaults, **fields)
    out = bytearray([mode])
    for name, low, high in layout:
        v = values[name]
        if low is None:
            out.append(1 if v else 0)
        elif isinstance(low, str):
            text_bytes = sjis(v) if v else b""
            out += bytes([len(text_bytes)]) + text_bytes
        elif high - low < 256:
            out.append(v - low)
        else:
            out += struct.pack(">I", (v - low) % 2**32)
    out += bytes([1, 1, 12, 0, 0, 59, 6])  # 2002-02-02 00:00:59, a Saturday
    out += b"".join(number(scale) for _ in range(16))
    sizes = [2, 2.5, 3, 4, 5, 6, 7, 8, 9, 10]
    spacings = [0, 0, 0.5, 0.5, 0.5, 0.5, 1, 1, 1, 1]
    for w, s in zip(sizes, spacings):
        out += number(w) + number(w) + number(s)
    out += bytes([0, 0, 0, 0])  # group 0, layer 0, colour 1, text type 1
    font = sjis("ＭＳ ゴシック")
    out += bytes([len(font)]) + font
    for x, y in points:
        out += number(x) + number(y)
    return bytes(out) + sjis(text)


def writer_seeds(bin_dir):
    table = settings_fields(bin_dir)

    def writer_seed(**kwargs):
        return make_writer_seed(table, **kwargs)

    # How many frames, tips and attach points there are, from their fields' ranges.
    count = {name: high + 1 for name, low, high in table[0] if name in ("frameType", "tipSymbol", "attachPosition")}
    frames, tips, attaches = count["frameType"], count["tipSymbol"], count["attachPosition"]
    seeds = {"default": writer_seed()}
    for frame in range(frames):
        seeds[f"frame{frame}"] = writer_seed(frameType=frame, tipSymbol=frame % tips, attachPosition=frame % attaches)
    for tip in range(tips):
        seeds[f"tip{tip}"] = writer_seed(tipSymbol=tip, arrowAngle=tip, arrowLength=5 + tip * 7)
    seeds["t4"] = writer_seed(mode=1, frameType=2, textCenterBase=1)
    seeds["t4_vertical"] = writer_seed(mode=1, points=((0, 0), (0, 0), (0, 40), (0, 0)), frameType=3)
    seeds["t5"] = writer_seed(mode=2, frameType=14)
    seeds["t5_box"] = writer_seed(mode=2, frameType=2, tiltFrame=1)
    seeds["tilted"] = writer_seed(points=((0, 0), (30, 20), (50, 45), (0, 0)), tiltFrame=1, frameType=12)
    seeds["left"] = writer_seed(points=((0, 0), (-30, -20), (-60, -20), (0, 0)), frameType=9, textSlide=6)
    seeds["fill"] = writer_seed(frameType=10, fillColorIndex=5, fillInside=1, fillGap=3)
    seeds["fill_custom"] = writer_seed(frameType=11, fillColorIndex=0, fillColor=-1)
    seeds["embedded"] = writer_seed(useEmbeddedText=1, text="$2%Y年%m月%d日\r\n$1図面名 &F\r\n;メモ\r\n普通")
    seeds["fixed_length"] = writer_seed(fixedLeaderLength=1, rememberedLeaderLength="12.5", frameType=7)
    seeds["font"] = writer_seed(fontSwitch=1, chosenFontName="ＭＳ 明朝")
    seeds["groups"] = writer_seed(writeGroup=6, lineLayer=3, textLayer=16, scale=50, extensionLength=20,
                                  extensionLengthMode=1)
    seeds["gaps"] = writer_seed(noFrameGap=0, frameGapVertical=-9, frameGapHorizontal=99, lineSpacing=-9,
                                frameType=5)
    seeds["colours"] = writer_seed(leaderColor=3, arrowColor=4, extensionColor=5, dotColor=6, frameColor=7,
                                   tipSymbol=2, dotRadius=99)
    seeds["five_lines"] = writer_seed(text="一\r\n二二\r\n三三三\r\n四四四四\r\n" + "五" * 40, textSlide=4)
    seeds["no_text"] = writer_seed(text="")
    seeds["short_leader"] = writer_seed(points=((0, 0), (0.01, 0), (0.02, 0), (0, 0)), frameType=13)
    seeds["far"] = writer_seed(points=((1e6, -1e6), (-1e6, 1e6), (2e6, 1e6), (0, 0)), scale=0.001)
    return seeds


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    bin_dir = pathlib.Path(sys.argv[1])
    write_corpus("exchange_header", header_seeds(bin_dir))
    write_corpus("selection", selection_seeds(bin_dir))
    write_corpus("persistent_state", persistent_state_seeds())
    write_corpus("patterns", pattern_seeds())
    write_corpus("writer", writer_seeds(bin_dir))


if __name__ == "__main__":
    main()
