#include "app/BatchRun.h"

#include "app/InputText.h"
#include "app/Messages.h"
#include "app/Session.h"
#include "base/Clock.h"
#include "base/CodePage.h"
#include "base/Error.h"
#include "base/LineReader.h"
#include "base/NotingPrompts.h"
#include "base/TextGate.h"
#include "settings/AnnotationSettings.h"

#include <QCommandLineParser>
#include <QStringDecoder>

#include <limits>
#include <new>

namespace tagler {

ParsedBatchOptions parseBatchOptions(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption text(QStringLiteral("text"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption set(QStringLiteral("set"), QString(), QStringLiteral("FIELD=VALUE"));
    const QCommandLineOption now(QStringLiteral("now"), QString(), QStringLiteral("YYYY-MM-DDTHH:MM:SS"));
    const QCommandLineOption listFields(QStringLiteral("list-fields"));
    parser.addOptions({text, set, now, listFields});

    ParsedBatchOptions p;
    if (!parser.parse(QStringList{QStringLiteral("tagler-batch")} + args)) {
        p.usageError = parser.errorText().toStdString();
        return p;
    }
    p.help = parser.isSet(help);
    p.version = parser.isSet(version);
    p.listFields = parser.isSet(listFields);
    for (const QCommandLineOption* single : {&text, &now})
        if (parser.values(*single).size() > 1) {
            p.usageError = "--" + single->names().constFirst().toStdString() + " given twice";
            return p;
        }
    if (parser.isSet(text))
        p.options.textFile = parser.value(text).toStdString();
    if (parser.isSet(now))
        p.options.now = parser.value(now).toStdString();
    for (const QString& v : parser.values(set)) {
        const qsizetype eq = v.indexOf(u'=');
        if (eq <= 0) {
            p.usageError = "--set wants FIELD=VALUE, got '" + v.toStdString() + "'";
            return p;
        }
        p.options.sets.emplace_back(v.left(eq).toStdString(), v.mid(eq + 1).toStdString());
    }
    const QStringList words = parser.positionalArguments();
    if (words.size() > 1) {
        p.usageError = "unexpected argument " + words[1].toStdString();
        return p;
    }
    if (!words.isEmpty()) {
        p.options.modeArgument = words[0].toStdString();
        if (sessionModeFromArgument(p.options.modeArgument) == SessionMode::normal)
            p.notice = "'" + p.options.modeArgument + "' is no mode; the normal mode is used";
    }
    return p;
}

namespace {

// The text file's lines as the input box would take them; what the box would cut is noted.
std::optional<Lines> readTextFile(const std::string& path, std::ostream& notices, std::string& error)
{
    // Each line within the bound every reader keeps.
    Lines raw;
    try {
        raw = readLeadingLines(path, std::numeric_limits<std::size_t>::max());
    } catch (const LineTooLong& e) {
        error = e.what();
        return std::nullopt;
    } catch (const Error&) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    Lines lines;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = utf8.decode(QByteArrayView(raw[i].data(), qsizetype(raw[i].size())));
        const std::string where = path + " line " + std::to_string(i + 1);
        if (utf8.hasError()) {
            error = where + " is not UTF-8";
            return std::nullopt;
        }
        GatedText gated = passTextGate(line);
        if (gated.refused) {
            error = where + ": " + refusalNote(*gated.refused);
            return std::nullopt;
        }
        lines.push_back(std::move(gated.bytes));
    }
    Lines taken = applyInputBoxRules(lines);
    if (lines.size() > taken.size())
        notices << "notice: " << path << " has " << lines.size() << " lines; the first " << taken.size()
                << " are used\n";
    for (std::size_t i = 0; i < taken.size(); ++i)
        if (taken[i] != lines[i])
            notices << "notice: " << path << " line " << i + 1 << " is cut to " << kInputMaxLineBytes << " bytes\n";
    return taken;
}

} // namespace

namespace {

int runSession(const std::string& folder, const BatchOptions& o, Prompts& prompts, const BatchOutput& output,
               std::string& usageError)
{
    AnnotationSettings overrides;
    for (const auto& [field, value] : o.sets) {
        if (auto err = setSettingsField(overrides, field, value)) {
            usageError = *err;
            return kBatchUsage;
        }
    }
    std::optional<FixedClock> fixed;
    if (o.now) {
        try {
            fixed.emplace(parseLocalDateTime(*o.now));
        } catch (const Error&) {
            usageError = "--now wants YYYY-MM-DDTHH:MM:SS, got '" + *o.now + "'";
            return kBatchUsage;
        }
    }
    std::optional<Lines> text;
    if (o.textFile) {
        text = readTextFile(*o.textFile, output.notices, usageError);
        if (!text)
            return kBatchUsage;
    }

    SystemClock systemClock;
    const Clock& clock = fixed ? static_cast<const Clock&>(*fixed) : systemClock;
    // Every message of the session and its data files passes here: a clean run showed none.
    bool spoke = false;
    NotingPrompts noticing(prompts, spoke);
    Session session(folder, sessionModeFromArgument(o.modeArgument), noticing, clock, Session::DataFiles::readOnly,
                    SelectionReading::streamed);
    session.startUp();
    if (session.terminateRequested())
        return kBatchMessageShown;
    if (traits(session.mode()).completion == Completion::importTexts && session.exchange().importedTextsLeftOut)
        output.notices << "notice: the selection holds more than " << kInputMaxLines << " texts; the first "
                       << kInputMaxLines << " are imported\n";
    for (const auto& [field, value] : o.sets)
        setSettingsField(session.settings(), field, value);
    if (text)
        session.setInputLines(*text);
    const bool enabled = session.completionEnabled();
    const CompletionReport report = session.complete();
    const bool clean = enabled && !spoke;
    if (traits(session.mode()).completion == Completion::importTexts) {
        // Importing hands the host nothing back: the texts are the result.
        for (const std::string& line : session.inputLines())
            output.imported << toUtf8(line) << '\n';
        return clean ? kBatchWritten : kBatchMessageShown;
    }
    return clean && report.written ? kBatchWritten : kBatchMessageShown;
}

} // namespace

int runBatch(const std::string& folder, const BatchOptions& o, Prompts& prompts, const BatchOutput& output,
             std::string& usageError)
{
    try {
        return runSession(folder, o, prompts, output, usageError);
    } catch (const std::bad_alloc&) {
        // Whatever was being written is left uncommitted: the old file stays.
        prompts.warning(messages::kOutOfMemory);
        return kBatchMessageShown;
    }
}

} // namespace tagler
