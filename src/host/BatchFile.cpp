#include "host/BatchFile.h"

#include "base/CodePage.h"

#include <algorithm>

namespace tagler::host {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithRem(std::string_view line)
{
    return line.size() >= 3 && lower(line[0]) == 'r' && lower(line[1]) == 'e' && lower(line[2]) == 'm' &&
           (line.size() == 3 || line[3] == ' ' || line[3] == '\t');
}

std::string_view trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> lines(std::string_view bytes)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        out.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        out.push_back(bytes.substr(start));
    return out;
}

// The words of the program line; a quoted word may hold blanks.
std::vector<std::string> words(std::string_view line)
{
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i == line.size())
            break;
        std::string word;
        bool quoted = false;
        for (; i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t')); ++i) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                word += line[i];
        }
        out.push_back(word);
    }
    return out;
}

} // namespace

BatchFile readBatch(std::string_view bytes)
{
    BatchFile batch;
    const std::vector<std::string_view> all = lines(bytes);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string_view line = all[i];
        const int number = static_cast<int>(i) + 1;
        if (startsWithRem(line)) {
            const std::size_t hash = line.find('#');
            const bool directive = hash != std::string_view::npos && hash < directiveReach;
            if (i == 0 && !directive) {
                batch.description = trimmed(line.substr(3));
                continue;
            }
            if (batch.ended || batch.programLine != 0) {
                if (directive)
                    batch.lateDirectiveLines.push_back(number);
                continue;
            }
            if (!directive) {
                if (trimmed(line.substr(3)).starts_with('#'))
                    batch.farDirectiveLines.push_back(number);
                continue;
            }
            const std::string_view rest = line.substr(hash + 1);
            const std::size_t blank = std::min(rest.find(' '), rest.find('\t'));
            BatchDirective d{number, std::string(rest.substr(0, blank)), ""};
            std::transform(d.name.begin(), d.name.end(), d.name.begin(), lower);
            if (blank != std::string_view::npos)
                d.text = trimmed(rest.substr(blank));
            batch.ended = batch.ended || d.name == "e";
            batch.directives.push_back(std::move(d));
            continue;
        }
        const std::string_view command = trimmed(line);
        std::string folded(command);
        std::transform(folded.begin(), folded.end(), folded.begin(), lower);
        if (command.empty() || folded.starts_with("@echo") || folded.starts_with("echo") ||
            folded.starts_with("@rem") || folded.starts_with("::") || batch.programLine != 0)
            continue;
        batch.programLine = number;
        std::vector<std::string> w = words(command);
        batch.program = w.front();
        batch.arguments.assign(w.begin() + 1, w.end());
    }
    return batch;
}

int pointNumber(const BatchDirective& d)
{
    std::string_view n = d.name;
    if (n.ends_with('-'))
        n.remove_suffix(1);
    if (n.empty() || n.size() > 2 || n.front() == '0')
        return 0;
    int value = 0;
    for (char c : n) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool isRubberBand(const BatchDirective& d) { return pointNumber(d) > 0 && d.name.ends_with('-'); }

bool hasDirective(const BatchFile& batch, std::string_view name)
{
    return std::any_of(batch.directives.begin(), batch.directives.end(),
                       [&](const BatchDirective& d) { return d.name == name; });
}

SessionMode batchMode(const BatchFile& batch)
{
    return sessionModeFromArgument(batch.arguments.empty() ? std::string_view() : batch.arguments.front());
}

std::string modeBatchText(SessionMode mode)
{
    const SessionModeTraits& t = traits(mode);
    std::vector<std::string> utf8 = {std::string("REM ") + t.batchDescription, "@echo off", "REM #jww", "REM #cd"};
    int n = 0;
    for (const AskedPoint& p : t.points)
        utf8.push_back("REM #" + std::to_string(++n) + (p.rubberBand ? "- " : " ") + p.prompt);
    if (t.handsOverSelection) {
        utf8.push_back("REM #h3");
        utf8.push_back(std::string("REM #hc ") + t.selectionPrompt);
        utf8.push_back("REM #g1");
    }
    utf8.push_back("REM #e");
    utf8.push_back(std::string("\"%~dp0tagler.exe\"") + (t.argument[0] ? " " : "") + t.argument);
    std::string text;
    for (const std::string& line : utf8)
        text += sjis(line) + "\r\n";
    return text;
}

} // namespace tagler::host
