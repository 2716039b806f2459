#include "host/HostCommandLine.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "base/Number.h"

#include <QCommandLineParser>

#include <map>
#include <set>

namespace tagler::host {

using namespace tagler::render;

const char* const hostUsage =
    "usage:\n"
    "  tagler-host new DIR --p1 X,Y --p2 X,Y --p3 X,Y [--p4 X,Y] [--mode normal|T4|T5]\n"
    "                  [--group-scales S0,...,S15 | --scale S] [--group G] [--layer L]\n"
    "                  [--color C] [--text-type N] [--font NAME]\n"
    "      T4 (text mode) takes --p1 and --p3 (point 2 is point 1); T5 needs --p4 (the bend)\n"
    "  tagler-host select DIR --mode T1|T2|T3 RECORDS [same header options, no points]\n"
    "      the header, then the selected records of RECORDS (cn, cc, lg, font and text lines,\n"
    "      UTF-8) as given; new DIR --mode T1|T2|T3 [--records RECORDS] does the same\n"
    "  tagler-host new DIR --batch FILE [--point X,Y]... [--records RECORDS] [same header options]\n"
    "      as the host reads the batch: its argument gives the mode, its #1..#n the points,\n"
    "      taken in that order; #h3 takes the texts of RECORDS\n"
    "  tagler-host run DIR [ARG] [--program PATH]\n"
    "  tagler-host run DIR --batch FILE [--program PATH] [--out PICTURE]\n"
    "      starts what the batch starts in DIR (wine cmd /c for a .exe beside it), waits,\n"
    "      then says 未実行 or draws the records (default DIR/jwc_temp.png)\n"
    "  tagler-host check-batch FILE...\n"
    "      one line per fault that would keep the host from running the batch as it should\n"
    "  tagler-host write-batches DIR\n"
    "      the batch file of every mode, as shipped, from the program's mode table\n"
    "  tagler-host render FILE OUT.png|OUT.svg [--header HDR]\n"
    "      a hand-over draws its selected records; a processed file is drawn over the\n"
    "      selection kept in jwc_temp.hdr beside it, as the host's drawing still holds it\n"
    "  tagler-host gallery OUT.png\n";

namespace {

[[noreturn]] void wrong(const std::string& what) { fail(ErrorKind::Range, what); }

std::string text(const QString& s) { return s.toStdString(); }

// Every option takes one value; positionals are whatever is left.
class Arguments {
public:
    // Options are named as typed, "--p1".
    Arguments(const QStringList& args, const std::set<std::string>& known, const std::set<std::string>& repeated = {})
    {
        QCommandLineParser parser;
        for (const std::string& name : known)
            parser.addOption(
                QCommandLineOption(QString::fromStdString(name.substr(2)), QString(), QStringLiteral("value")));
        if (!parser.parse(QStringList{QStringLiteral("tagler-host")} + args))
            wrong(text(parser.errorText()));
        for (const std::string& name : known) {
            const QStringList values = parser.values(QString::fromStdString(name.substr(2)));
            if (values.size() > 1 && !repeated.contains(name))
                wrong(name + " given twice");
            for (const QString& v : values)
                values_.emplace(name, v);
        }
        const QStringList words = parser.positionalArguments();
        positionals.assign(words.begin(), words.end());
    }
    std::optional<QString> take(const std::string& name) const
    {
        auto it = values_.find(name);
        if (it == values_.end())
            return std::nullopt;
        return it->second;
    }
    std::vector<QString> takeAll(const std::string& name) const
    {
        std::vector<QString> all;
        for (auto [it, end] = values_.equal_range(name); it != end; ++it)
            all.push_back(it->second);
        return all;
    }
    std::vector<QString> positionals;

private:
    std::multimap<std::string, QString> values_;
};

double number(const QString& value, const std::string& option)
{
    try {
        return parseDecimal(text(value));
    } catch (const Error&) {
        fail(ErrorKind::Conversion, option + ": '" + text(value) + "' is not a number");
    }
}

Point point(const QString& value, const std::string& option)
{
    QStringList xy = value.split(u',');
    if (xy.size() != 2)
        fail(ErrorKind::Conversion, option + " takes X,Y");
    return {number(xy[0], option), number(xy[1], option)};
}

int wholeNumber(const QString& value, const std::string& option, int low, int high)
{
    int v = 0;
    if (!tryParseInteger(text(value), v) || v < low || v > high)
        wrong(option + " must be " + std::to_string(low) + ".." + std::to_string(high));
    return v;
}

// A hexadecimal digit as the host names groups and layers, or 0..15.
int groupOrLayer(const QString& value, const std::string& option)
{
    bool ok = false;
    int v = value.size() == 1 ? value.toInt(&ok, 16) : value.toInt(&ok, 10);
    if (!ok || v < 0 || v > 15)
        wrong(option + " must be 0..15 or one hexadecimal digit");
    return v;
}

void readSheetOptions(const Arguments& a, HostSheet& sheet)
{
    auto scales = a.take("--group-scales");
    auto scale = a.take("--scale");
    if (scales && scale)
        wrong("give --group-scales or --scale, not both");
    if (scales) {
        QStringList values = scales->split(u',');
        if (values.size() != 16)
            wrong("--group-scales takes 16 values, one per group 0..F");
        for (int i = 0; i < 16; ++i)
            sheet.groupScales[static_cast<std::size_t>(i)] = number(values[i], "--group-scales");
    }
    if (scale)
        sheet.groupScales.fill(number(*scale, "--scale"));
    for (double s : sheet.groupScales)
        if (!(s > 0))
            wrong("a group scale must be positive");
    if (auto g = a.take("--group"))
        sheet.group = groupOrLayer(*g, "--group");
    if (auto l = a.take("--layer"))
        sheet.layer = groupOrLayer(*l, "--layer");
    if (auto c = a.take("--color"))
        sheet.lineColor = wholeNumber(*c, "--color", 1, 8);
    if (auto t = a.take("--text-type"))
        sheet.textType = wholeNumber(*t, "--text-type", 1, 10);
    if (auto f = a.take("--font")) {
        std::optional<std::string> name = toCp932Strict(*f);
        if (!name || name->empty())
            fail(ErrorKind::Conversion, "--font needs a name the code page can hold");
        sheet.font = *name;
    }
}

void readPoints(const Arguments& a, HeaderRequest& r)
{
    const std::string names[4] = {"--p1", "--p2", "--p3", "--p4"};
    std::optional<Point> given[4];
    for (int i = 0; i < 4; ++i)
        if (auto v = a.take(names[i]))
            given[i] = point(*v, names[i]);

    bool needed[4] = {true, true, true, false};
    if (r.mode == HostMode::fourPoint)
        needed[3] = true;
    if (r.mode == HostMode::textMode) {
        // Text mode hands over two points; the program reads point 2 from point 1's line.
        if (given[1] && given[0] && !(*given[1] == *given[0]))
            wrong("in T4 point 2 is point 1; give --p1 and --p3");
        given[1] = given[0];
    }
    if (handsOverSelection(r.mode))
        needed[0] = needed[1] = needed[2] = false;
    for (int i = 0; i < 4; ++i) {
        if (needed[i] && !given[i])
            wrong(std::string("mode ") + hostModeName(r.mode) + " needs " + names[i]);
        if (!needed[i] && given[i])
            wrong(std::string("mode ") + hostModeName(r.mode) + " hands over no " + names[i]);
    }
    Point* slots[4] = {&r.p1, &r.p2, &r.p3, &r.p4};
    for (int i = 0; i < 4; ++i)
        if (given[i])
            *slots[i] = *given[i];
}

std::optional<HostMode> readMode(const Arguments& a)
{
    auto m = a.take("--mode");
    if (!m)
        return std::nullopt;
    std::optional<HostMode> mode = hostModeFromName(text(*m));
    if (!mode)
        wrong("--mode must be normal or T1..T5");
    return mode;
}

// The options readSheetOptions takes, and the command's own.
std::set<std::string> withSheetOptions(std::initializer_list<std::string> own)
{
    std::set<std::string> options = {"--group-scales", "--scale",     "--group", "--layer",
                                     "--color",        "--text-type", "--font"};
    options.insert(own);
    return options;
}

} // namespace

NewCommand parseNewCommand(const QStringList& args)
{
    Arguments a(args, withSheetOptions({"--p1", "--p2", "--p3", "--p4", "--mode", "--records", "--batch", "--point"}),
                {"--point"});
    if (a.positionals.size() != 1)
        wrong("new takes one folder");
    NewCommand c;
    c.folder = text(a.positionals[0]);
    readSheetOptions(a, c.request.sheet);
    if (auto r = a.take("--records"))
        c.recordsFile = text(*r);
    if (auto b = a.take("--batch")) {
        // The batch says which points are asked and whether texts are selected.
        for (const char* own : {"--p1", "--p2", "--p3", "--p4", "--mode"})
            if (a.take(own))
                wrong(std::string(own) + " does not go with --batch: the batch asks for the points");
        c.batchFile = text(*b);
        for (const QString& p : a.takeAll("--point"))
            c.points.push_back(point(p, "--point"));
        return c;
    }
    if (!a.takeAll("--point").empty())
        wrong("--point belongs to --batch; give --p1, --p2, ... by the program's numbering");
    if (std::optional<HostMode> mode = readMode(a))
        c.request.mode = *mode;
    readPoints(a, c.request);
    if (c.recordsFile && !handsOverSelection(c.request.mode))
        wrong("--records belongs to the modes T1, T2 and T3");
    return c;
}

NewCommand parseSelectCommand(const QStringList& args)
{
    Arguments a(args, withSheetOptions({"--mode"}));
    if (a.positionals.size() != 2)
        wrong("select takes a folder and a records file");
    std::optional<HostMode> mode = readMode(a);
    if (!mode || !handsOverSelection(*mode))
        wrong("select needs --mode T1, T2 or T3");
    NewCommand c;
    c.folder = text(a.positionals[0]);
    c.recordsFile = text(a.positionals[1]);
    c.request.mode = *mode;
    readSheetOptions(a, c.request.sheet);
    return c;
}

RunCommand parseRunCommand(const QStringList& args)
{
    Arguments a(args, {"--program", "--batch", "--out"});
    RunCommand c;
    if (auto b = a.take("--batch"))
        c.batchFile = text(*b);
    if (a.positionals.empty() || a.positionals.size() > (c.batchFile ? 1u : 2u))
        wrong(c.batchFile ? "run --batch takes a folder; the batch gives the argument"
                          : "run takes a folder and at most one argument for the program");
    c.folder = text(a.positionals[0]);
    if (a.positionals.size() == 2)
        c.argument = text(a.positionals[1]);
    if (auto p = a.take("--program"))
        c.program = text(*p);
    if (auto o = a.take("--out")) {
        if (!c.batchFile)
            wrong("--out belongs to run --batch");
        c.out = text(*o);
    }
    return c;
}

RenderCommand parseRenderCommand(const QStringList& args)
{
    Arguments a(args, {"--header"});
    if (a.positionals.size() != 2)
        wrong("render takes a record file and a picture file");
    RenderCommand c;
    c.recordFile = text(a.positionals[0]);
    c.out = text(a.positionals[1]);
    if (auto h = a.take("--header"))
        c.header = text(*h);
    return c;
}

} // namespace tagler::host
