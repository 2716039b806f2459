#pragma once
// What the fuzz targets share: reading a case from the fuzzer's bytes, the
// files a case goes through, and the checks every target makes.
#include "app/ExchangeStartup.h"
#include "base/Clock.h"
#include "base/LineFile.h"
#include "base/Prompts.h"
#include "settings/AnnotationSettings.h"
#include "settings/SessionMode.h"
#include "settings/SettingsFields.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace tagler::fuzz {

// A case read front to back. Past the end every read gives zeros, so any
// input, however short, is a whole case.
class Bytes final {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte();
    std::uint32_t word();
    bool flag() { return (byte() & 1) != 0; }
    // One byte for a span up to 256 values, four for a wider one.
    int inRange(int min, int max);
    // A length byte (up to maxBytes), then that many bytes.
    std::string text(std::size_t maxBytes);
    // A finite number: a decimal with up to seven places, or any finite single.
    double number();
    std::string rest();

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Stops the process with the reason on stderr; the fuzzer and the replay see a crash.
[[noreturn]] void violation(const std::string& what, const std::string& detail = {});

// A tagler::Error is the program refusing the input; anything else escaping is a
// fault. True when the body ran to its end.
bool guarded(const char* step, const std::function<void()>& body);
// As guarded, but the error must be one start-up shows as a message; any
// other kind would escape the session.
bool guardedStartUp(const char* step, const std::function<void()>& body);

// The process's own folder for the files a case reads and writes.
const std::string& workFolder();
void writeBytes(const std::string& path, std::string_view bytes);
std::string readBytes(const std::string& path);

// Prompts nobody sees.
class QuietPrompts final : public Prompts {
public:
    void information(const std::string&) override {}
    void warning(const std::string&) override {}
    bool question(const std::string&) override { return false; }
    std::optional<std::string> chooseFolder(const std::string&) override { return std::nullopt; }
};

// The first fault in a record, or "". Records equal to one of the host's own
// lines are passed back as the host wrote them and only checked for line
// breaks; in the rest, text after the first '"' is the user's.
std::string recordFault(std::string_view record, const Lines& handedOver);

// Every record, then the exchange file written from them as the session
// writes it: each record and CR LF, nothing more, and read back unchanged.
void checkRecords(const std::vector<std::string>& records, const Lines& handedOver);

// A data file the program wrote: exactly these lines, each ended by CR LF.
void checkWrittenLines(const std::string& path, const Lines& expected);

// Runs the writer as completion does and checks what it hands back: the
// records, and that the settings it changed can still be saved on exit.
void runAndCheck(const ExchangeState& exchange, const AnnotationSettings& settings, const Lines& inputLines,
                 const Clock& clock, const Lines& handedOver);

// What a loaded data file drives: the writer on the standard header of a mode with points
// (picked by `choice`), at a fixed instant, with these settings and lines.
void runWithLoadedSettings(unsigned choice, const AnnotationSettings& settings, const Lines& inputLines);

// Every field the column's file keeps has the value it had before the file was written
// (`step` names the writing: "saving", "registering").
void checkFieldsSurvive(FileColumn column, const AnnotationSettings& before, const AnnotationSettings& after,
                        const char* step);

// Text as the input box or --set would take it from these bytes read as CP932:
// UTF-8, without the control characters and the characters lost in decoding
// that both refuse.
std::string userText(std::string_view cp932Bytes);

// Sets the named fields (every field when names is empty) through --set's
// own path, each from the next bytes and within the field table's range.
void readSettingsFields(Bytes& in, AnnotationSettings& settings, std::initializer_list<std::string_view> names = {});

// The settings of a fresh install: the repository's default data files.
const AnnotationSettings& defaultDataSettings();

// A host header as the stand-in host writes it, for the modes with points.
Lines standardHeader(SessionMode mode);

// Fields compared through the table, so a new field is compared too.
bool sameFieldValue(const SettingsField& field, const AnnotationSettings& a, const AnnotationSettings& b);
std::string fieldValueText(const SettingsField& field, const AnnotationSettings& s);

} // namespace tagler::fuzz
