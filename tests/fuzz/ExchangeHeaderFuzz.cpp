// The exchange file as start-up reads it, in every mode, then completion with
// the settings of a fresh install. The first byte picks the mode and the frame.
#include "fuzz/FuzzSupport.h"

#include "app/InputText.h"
#include "base/CodePage.h"

using namespace tagler;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const std::uint8_t pick = in.byte();
    const auto mode = static_cast<SessionMode>(pick % 6);
    AnnotationSettings settings = fuzz::defaultDataSettings();
    settings.frameType = pick / 6 % 15;
    const std::string file = in.rest();

    const std::string& folder = fuzz::workFolder();
    fuzz::writeBytes(exchangeFilePath(folder), file);
    fuzz::QuietPrompts prompts;
    ExchangeState x;
    if (!fuzz::guardedStartUp("reading the exchange file", [&] { x = loadExchangeFile(folder, mode, prompts); }))
        return 0;
    if (mode == SessionMode::importText) {
        // Importing hands the host nothing back.
        if (x.completionEnabled && !fuzz::readBytes(exchangeFilePath(folder)).empty())
            fuzz::violation("importing left records in the exchange file");
        return 0;
    }
    if (!x.completionEnabled)
        return 0;
    if (mode == SessionMode::frameWrite1)
        settings.tiltFrame = false; // as start-up sets it
    const Lines text = x.importedIntoBox ? applyInputBoxRules(x.importedText) : Lines{sjis("注記"), "A-1"};
    static const FixedClock clock({2024, 2, 29, 23, 59, 58, 5});
    fuzz::runAndCheck(x, settings, text, clock, splitLines(file));
    return 0;
}
