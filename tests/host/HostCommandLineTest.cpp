#include "host/HostCommandLine.h"
#include "base/CodePage.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace tagler::host {

using namespace tagler::render;
namespace {

QStringList words(const char* line) { return QString::fromUtf8(line).split(' ', Qt::SkipEmptyParts); }

TEST(HostCommandLine, RefusesWhatTheModeDoesNotHandOver)
{
    const char* refused[] = {
        "dir --p1 1,2 --p2 3,4",                    // normal needs point 3
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --p4 7,8",  // and has no point 4
        "dir --mode T5 --p1 1,2 --p2 3,4 --p3 5,6", // four-point needs the bend
        "dir --mode T4 --p1 1,2 --p2 3,4 --p3 5,6", // text mode: point 2 is point 1
        "dir --mode T4 --p1 1,2",
        "dir --mode T2 --p1 1,2",                         // selection modes hand over no points
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --records r.txt", // records belong to T1..T3
        "dir --mode T6 --p1 1,2 --p2 3,4 --p3 5,6",
        "dir --p1 1 --p2 3,4 --p3 5,6",
        "dir --p1 1,2,3 --p2 3,4 --p3 5,6",
        "dir --p1 a,b --p2 3,4 --p3 5,6",
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --group 16",
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --group g",
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --layer -1",
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --color 0",
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --color 9",
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --text-type 11",
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --scale 0",
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --scale 1 --group-scales 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1",
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --group-scales 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1",
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --colour 2", // unknown option
        "dir --p1 1,2 --p2 3,4 --p3 5,6 --p1 1,2",   // given twice
        "dir --p1 1,2 --p2 3,4 --p3",                // no value
        "dir other --p1 1,2 --p2 3,4 --p3 5,6",      // two folders
        "--p1 1,2 --p2 3,4 --p3 5,6",                // no folder
    };
    for (const char* args : refused)
        EXPECT_THROW(parseNewCommand(words(args)), Error) << args;
}

TEST(HostCommandLine, ReadsPointsAndHeaderValues)
{
    NewCommand c = parseNewCommand(words("out/dir --p1 -10.5,2 --p2 3,-4e2 --p3 5,6 --group b --layer 12 "
                                         "--color 8 --text-type 10 --scale 50"));
    EXPECT_EQ(c.folder, "out/dir");
    EXPECT_EQ(c.request.mode, HostMode::normal);
    EXPECT_EQ(c.request.p1, (Point{-10.5, 2}));
    EXPECT_EQ(c.request.p2, (Point{3, -400}));
    EXPECT_EQ(c.request.p3, (Point{5, 6}));
    EXPECT_EQ(c.request.sheet.group, 11);
    EXPECT_EQ(c.request.sheet.layer, 12);
    EXPECT_EQ(c.request.sheet.lineColor, 8);
    EXPECT_EQ(c.request.sheet.textType, 10);
    for (double s : c.request.sheet.groupScales)
        EXPECT_EQ(s, 50);

    c = parseNewCommand({"d", "--mode", "t4", "--p1", "1,2", "--p3", "5,6", "--font", QString::fromUtf8("ＭＳ 明朝"),
                         "--group-scales", "1,100,50,50,60,1,1,1,1,50,50,1,50,50,50,2.5"});
    EXPECT_EQ(c.request.mode, HostMode::textMode);
    EXPECT_EQ(c.request.p2, c.request.p1);
    EXPECT_EQ(c.request.p3, (Point{5, 6}));
    EXPECT_EQ(c.request.sheet.font, sjis("ＭＳ 明朝"));
    EXPECT_EQ(c.request.sheet.groupScales[1], 100);
    EXPECT_EQ(c.request.sheet.groupScales[15], 2.5);

    c = parseNewCommand(words("d --mode T3 --records sel.txt"));
    EXPECT_EQ(c.request.mode, HostMode::frameWrite2);
    EXPECT_EQ(c.recordsFile, "sel.txt");

    c = parseNewCommand(words("d --mode T5 --p1 1,2 --p2 3,4 --p3 5,6 --p4 7,8"));
    EXPECT_EQ(c.request.p4, (Point{7, 8}));
}

TEST(HostCommandLine, SelectHandsOverARecordsFileInTheSelectionModes)
{
    NewCommand c = parseSelectCommand(words("d sel.txt --mode t2 --scale 50 --group c --font IPAGothic"));
    EXPECT_EQ(c.folder, "d");
    EXPECT_EQ(c.recordsFile, "sel.txt");
    EXPECT_EQ(c.request.mode, HostMode::frameWrite1);
    EXPECT_EQ(c.request.sheet.groupScales[0], 50);
    EXPECT_EQ(c.request.sheet.group, 12);
    EXPECT_EQ(c.request.sheet.font, "IPAGothic");
    EXPECT_EQ(parseSelectCommand(words("d --mode T1 sel.txt")).request.mode, HostMode::importText);

    const char* refused[] = {
        "d sel.txt",               // the mode is not guessed
        "d sel.txt --mode normal", // nor is a points mode a selection
        "d sel.txt --mode T4",
        "d --mode T3", // no records file
        "d sel.txt more.txt --mode T3",
        "d sel.txt --mode T3 --p1 1,2",        // a selection hands over no points
        "d sel.txt --mode T3 --records r.txt", // the records file is the positional
        "d sel.txt --mode T3 --group 16",
    };
    for (const char* args : refused)
        EXPECT_THROW(parseSelectCommand(words(args)), Error) << args;
}

TEST(HostCommandLine, RunAndRenderArguments)
{
    RunCommand run = parseRunCommand(words("dir T4 --program /bin/prog"));
    EXPECT_EQ(run.folder, "dir");
    EXPECT_EQ(run.argument, "T4");
    EXPECT_EQ(run.program, "/bin/prog");
    run = parseRunCommand(words("dir"));
    EXPECT_FALSE(run.argument);
    EXPECT_FALSE(run.program);
    EXPECT_THROW(parseRunCommand(words("dir T1 T2")), Error);
    EXPECT_THROW(parseRunCommand({}), Error);

    RenderCommand render = parseRenderCommand(words("dir/jwc_temp.txt out.png --header h.hdr"));
    EXPECT_EQ(render.recordFile, "dir/jwc_temp.txt");
    EXPECT_EQ(render.out, "out.png");
    EXPECT_EQ(render.header, "h.hdr");
    EXPECT_THROW(parseRenderCommand(words("only-one")), Error);
}

} // namespace
} // namespace tagler::host
