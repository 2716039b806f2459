#include "fuzz/FuzzSupport.h"

#include "app/Messages.h"
#include "app/RunAnnotation.h"
#include "base/CodePage.h"
#include "base/Error.h"
#include "base/TextGate.h"
#include "host/ExchangeHeader.h"
#include "settings/PersistentState.h"
#include "store/PatternStore.h"
#include "store/PersistentStateStore.h"
#include "writer/OutputList.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <typeinfo>

namespace tagler::fuzz {

std::uint8_t Bytes::byte() { return at_ < size_ ? data_[at_++] : 0; }

std::uint32_t Bytes::word()
{
    std::uint32_t w = 0;
    for (int i = 0; i < 4; ++i)
        w = (w << 8) | byte();
    return w;
}

int Bytes::inRange(int min, int max)
{
    const long long span = static_cast<long long>(max) - min + 1;
    const long long pick = span <= 256 ? byte() % span : word() % span;
    return static_cast<int>(min + pick);
}

std::string Bytes::text(std::size_t maxBytes)
{
    const std::size_t wanted = byte() % (maxBytes + 1);
    const std::size_t n = std::min(wanted, size_ - at_);
    std::string t(reinterpret_cast<const char*>(data_ + at_), n);
    at_ += n;
    return t;
}

double Bytes::number()
{
    const std::uint8_t form = byte();
    const std::uint32_t bits = word();
    if (form & 0x80) {
        float f = 0;
        std::memcpy(&f, &bits, sizeof f);
        return std::isfinite(f) ? f : 0.0;
    }
    return static_cast<std::int32_t>(bits) / std::pow(10.0, form % 8);
}

std::string Bytes::rest()
{
    std::string t(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
    at_ = size_;
    return t;
}

void violation(const std::string& what, const std::string& detail)
{
    std::fprintf(stderr, "fuzz violation: %s\n", what.c_str());
    if (!detail.empty())
        std::fprintf(stderr, "%s\n", detail.c_str());
    std::fflush(stderr);
    std::abort();
}

namespace {

bool guardedWith(const char* step, const std::function<void()>& body, bool (*shown)(ErrorKind))
{
    try {
        body();
        return true;
    } catch (const Error& e) {
        if (!shown(e.kind()))
            violation(std::string(step) + ": an error of a kind the session has no message for", e.what());
    } catch (const std::exception& e) {
        violation(std::string(step) + ": an exception other than tagler::Error",
                  std::string(typeid(e).name()) + ": " + e.what());
    } catch (...) {
        violation(std::string(step) + ": an exception of no standard type");
    }
    return false;
}

// Quoted so a record's bytes show as they are.
std::string escaped(std::string_view text)
{
    std::string q = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            q += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            q += buf;
        }
    }
    return q + "\"";
}

bool isNegativeZero(std::string_view token)
{
    if (token.size() < 2 || token[0] != '-')
        return false;
    const std::string t(token);
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    return end == t.c_str() + t.size() && v == 0.0;
}

} // namespace

bool guarded(const char* step, const std::function<void()>& body)
{
    return guardedWith(step, body, [](ErrorKind) { return true; });
}

bool guardedStartUp(const char* step, const std::function<void()>& body)
{
    return guardedWith(step, body, [](ErrorKind k) { return messages::dataErrorMessage(k).has_value(); });
}

const std::string& workFolder()
{
    static QTemporaryDir dir;
    static const std::string path = [] {
        if (!dir.isValid())
            violation("no temporary folder for the fuzz files");
        return dir.path().toStdString();
    }();
    return path;
}

void writeBytes(const std::string& path, std::string_view bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0)
        violation("cannot write the case's file", path);
}

std::string readBytes(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        violation("cannot read back", path);
    const QByteArray all = f.readAll();
    return std::string(all.constData(), static_cast<std::size_t>(all.size()));
}

std::string recordFault(std::string_view record, const Lines& handedOver)
{
    if (record.find_first_of("\r\n") != std::string_view::npos)
        return "a line break inside a record";
    if (std::find(handedOver.begin(), handedOver.end(), record) != handedOver.end())
        return {};
    const std::string_view head = record.substr(0, record.find('"'));
    if (head.find("--") != std::string_view::npos)
        return "\"--\" in a record";
    std::size_t i = 0;
    bool first = true;
    while (i < head.size()) {
        const std::size_t end = std::min(head.find(' ', i), head.size());
        std::string_view token = head.substr(i, end - i);
        i = end + 1;
        // The record's kind runs into its first value: "lc10", "by0.5".
        if (first)
            while (!token.empty() && std::isalpha(static_cast<unsigned char>(token.front())))
                token.remove_prefix(1);
        first = false;
        std::string lower(token);
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        if (lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos)
            return "a non-finite number " + std::string(token);
        if (isNegativeZero(token))
            return "a negative zero " + std::string(token);
    }
    return {};
}

void checkWrittenLines(const std::string& path, const Lines& expected)
{
    const std::string bytes = readBytes(path);
    std::size_t at = 0;
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const std::string& line = expected[n];
        if (bytes.compare(at, line.size(), line) != 0 || bytes.compare(at + line.size(), 2, "\r\n") != 0)
            violation("line " + std::to_string(n + 1) + " of " + path + " is not the line ended by CR LF",
                      "wanted " + escaped(line) + ", the file has " + escaped(bytes.substr(at, line.size() + 2)));
        at += line.size() + 2;
    }
    if (at != bytes.size())
        violation(path + " holds more than its lines", escaped(bytes.substr(at)));
}

void checkRecords(const std::vector<std::string>& records, const Lines& handedOver)
{
    for (std::size_t n = 0; n < records.size(); ++n) {
        const std::string fault = recordFault(records[n], handedOver);
        if (!fault.empty())
            violation(fault, "record " + std::to_string(n + 1) + ": " + escaped(records[n]));
    }
    const std::string path = workFolder() + "/written.txt";
    guarded("writing the records", [&] { writeLines(path, records); });
    checkWrittenLines(path, records);
    if (readLines(path) != records)
        violation("the written records do not read back as they were");
}

void runAndCheck(const ExchangeState& exchange, const AnnotationSettings& settings, const Lines& inputLines,
                 const Clock& clock, const Lines& handedOver)
{
    OutputList out;
    AnnotationOutcome outcome;
    // runAnnotation turns every error the writer raises into its message; what
    // it lets through would end the session.
    try {
        outcome = runAnnotation(exchange, settings, inputLines, clock, out);
    } catch (const std::exception& e) {
        checkRecords(out.records(), handedOver);
        violation("runAnnotation let an exception through", std::string(typeid(e).name()) + ": " + e.what());
    }
    checkRecords(out.records(), handedOver);
    // To see what a corpus reaches: TAGLER_FUZZ_SHOW=1 replay_writer corpus/writer
    static const bool show = std::getenv("TAGLER_FUZZ_SHOW") != nullptr;
    if (show) {
        std::fprintf(stderr, "  %zu records%s%s\n", out.records().size(), outcome.errorMessage ? ", stopped: " : "",
                     outcome.errorMessage ? outcome.errorMessage->c_str() : "");
        for (const std::string& r : out.records())
            std::fprintf(stderr, "    %s\n", escaped(r).c_str());
    }

    // The session saves the changed settings on exit; they must still fit the file.
    AnnotationSettings changed = settings;
    outcome.changes.applyTo(changed);
    try {
        Lines list(kPersistentStateLineCount, "0");
        storeExitState(list, changed, SessionExtras{});
        storeSessionSettings(list, changed, SessionExtras{});
    } catch (const std::exception& e) {
        violation("the settings after the run cannot be saved", e.what());
    }
}

std::string userText(std::string_view cp932Bytes)
{
    QString text = fromCp932(cp932Bytes);
    text.removeIf([](QChar c) { return isRefusedControl(c) || c == QChar::ReplacementCharacter; });
    return text.toStdString();
}

void readSettingsFields(Bytes& in, AnnotationSettings& settings, std::initializer_list<std::string_view> names)
{
    for (const SettingsField& f : settingsFields()) {
        if (names.size() != 0 && std::find(names.begin(), names.end(), f.name) == names.end())
            continue;
        std::string value;
        if (std::holds_alternative<int AnnotationSettings::*>(f.member))
            value = std::to_string(in.inRange(f.range->min, f.range->max));
        else if (std::holds_alternative<bool AnnotationSettings::*>(f.member))
            value = in.flag() ? "1" : "0";
        else
            value = userText(in.text(24));
        const auto refused = setSettingsField(settings, f.name, value);
        // Text may be refused as --set refuses it; a number in the table's range may not.
        if (refused && !std::holds_alternative<std::string AnnotationSettings::*>(f.member))
            violation("--set refuses a value in its field's range", *refused);
    }
}

const AnnotationSettings& defaultDataSettings()
{
    static const AnnotationSettings settings = [] {
        AnnotationSettings s;
        SessionExtras extras;
        const std::string folder = TAGLER_SOURCE_DATA;
        QuietPrompts quiet;
        if (PersistentStateStore(folder, quiet).load(s, extras).state != FileState::accepted ||
            PatternStore(folder, quiet).load(s) != FileState::accepted)
            violation("the default data files do not load", folder);
        return s;
    }();
    return settings;
}

Lines standardHeader(SessionMode mode)
{
    host::HeaderRequest r;
    r.mode = mode;
    r.p1 = {0, 0};
    r.p2 = {30, 20};
    r.p3 = {60, 20};
    r.p4 = {15, 30};
    return host::buildHeader(r);
}

bool sameFieldValue(const SettingsField& field, const AnnotationSettings& a, const AnnotationSettings& b)
{
    return std::visit([&](auto member) { return a.*member == b.*member; }, field.member);
}

std::string fieldValueText(const SettingsField& field, const AnnotationSettings& s)
{
    return std::visit(
        [&](auto member) -> std::string {
            const auto& v = s.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>)
                return escaped(v);
            else
                return std::to_string(v);
        },
        field.member);
}

void runWithLoadedSettings(unsigned choice, const AnnotationSettings& settings, const Lines& inputLines)
{
    const SessionMode modes[] = {SessionMode::normal, SessionMode::textMode, SessionMode::fourPoint};
    const SessionMode mode = modes[choice % 3];
    const Lines header = standardHeader(mode);
    ExchangeState x;
    x.mode = mode;
    x.header = parseHostHeader(header, mode);
    static const FixedClock clock({2024, 2, 29, 23, 59, 58, 5});
    runAndCheck(x, settings, inputLines, clock, header);
}

void checkFieldsSurvive(FileColumn column, const AnnotationSettings& before, const AnnotationSettings& after,
                        const char* step)
{
    for (const SettingsField& f : settingsFields())
        if (f.*column && !sameFieldValue(f, before, after))
            violation(std::string(f.name) + " does not survive " + step,
                      fieldValueText(f, before) + " before, " + fieldValueText(f, after) + " loaded");
}

} // namespace tagler::fuzz
