// A selection handed over in T1 (import), T2 (one frame around all) or T3 (a
// frame around each text): the exchange file read at start-up, the texts
// imported into the input box, and in T2/T3 the frames written around them.
// The first bytes pick the mode and the settings the frames depend on.
#include "fuzz/FuzzSupport.h"

#include "app/InputText.h"

using namespace tagler;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const auto mode = static_cast<SessionMode>(static_cast<int>(SessionMode::importText) + in.byte() % 3);
    AnnotationSettings settings = fuzz::defaultDataSettings();
    fuzz::readSettingsFields(in, settings,
                             {"frameType", "attachPosition", "textType", "tiltFrame", "noFrameGap", "frameGapVertical",
                              "frameGapHorizontal", "lineSpacing", "writeGroup", "lineLayer", "fillColorIndex",
                              "fillInside", "fillGap"});
    const std::string file = in.rest();

    const std::string& folder = fuzz::workFolder();
    fuzz::writeBytes(exchangeFilePath(folder), file);
    fuzz::QuietPrompts prompts;
    ExchangeState x;
    if (!fuzz::guardedStartUp("reading the selection", [&] { x = loadExchangeFile(folder, mode, prompts); }))
        return 0;
    if (x.importedText.size() > static_cast<std::size_t>(kInputMaxLines))
        fuzz::violation("more texts imported than the input box takes");
    if (mode == SessionMode::importText) {
        if (x.completionEnabled && !fuzz::readBytes(exchangeFilePath(folder)).empty())
            fuzz::violation("importing left records in the exchange file");
        return 0;
    }
    if (!x.completionEnabled)
        return 0;
    if (mode == SessionMode::frameWrite1)
        settings.tiltFrame = false; // as start-up sets it
    static const FixedClock clock({2024, 2, 29, 23, 59, 58, 5});
    fuzz::runAndCheck(x, settings, applyInputBoxRules(x.importedText), clock, x.exchangeLines);
    return 0;
}
