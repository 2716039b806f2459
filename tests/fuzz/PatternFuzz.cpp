// PKDATA.tx through its store: the selected pattern loaded as start-up loads
// it, every pattern as the list selects it, the pattern registered (the file
// written), loaded again, and the loaded settings run through the writer.
#include "fuzz/FuzzSupport.h"

#include "base/CodePage.h"
#include "base/TextGate.h"
#include "settings/ColourItems.h"
#include "store/PatternStore.h"

using namespace tagler;

namespace {

void mustSucceed(const char* step, const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        fuzz::violation(std::string(step) + " failed on a file that loaded", e.what());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file(reinterpret_cast<const char*>(data), size);
    const std::string& folder = fuzz::workFolder();
    fuzz::writeBytes(folder + "/" + kBasicSettingsFileName, file);

    // PLDATA.tx names the selected pattern; any of the six may be.
    AnnotationSettings settings;
    settings.selectedPattern = static_cast<int>(size % kPatternCount);
    fuzz::QuietPrompts quiet;
    PatternStore store(folder, quiet);
    FileState state = FileState::missing;
    if (!fuzz::guardedStartUp("loading PKDATA.tx", [&] { state = store.load(settings); }))
        return 0;
    if (state != FileState::accepted)
        return 0;
    const AnnotationSettings asLoaded = settings;

    for (int i = 0; i < kPatternCount; ++i) {
        AnnotationSettings picked = settings;
        fuzz::guarded("selecting a pattern", [&] { store.select(i, picked); });
    }

    // 「基本設定登録」, for odd sizes with a new name as the name box would take
    // the file's first line.
    const Lines read = splitLines(file);
    const std::string typed = size % 2 == 1 && !read.empty() ? fuzz::userText(read.front()) : std::string();
    const std::string newName = patternNameFromBox(toCp932Text(QString::fromStdString(typed)).value_or(std::string()));
    mustSucceed("registering the pattern", [&] { store.registerPattern(settings.selectedPattern, settings, newName); });
    const Lines written = readLines(store.path());
    fuzz::checkWrittenLines(store.path(), written);
    if (written.size() != kBasicSettingsLineCount)
        fuzz::violation("PKDATA.tx was written with " + std::to_string(written.size()) + " lines");

    // The file just written loads to the same pattern and names.
    AnnotationSettings again;
    again.selectedPattern = settings.selectedPattern;
    PatternStore reread(folder, quiet);
    FileState stateAgain = FileState::missing;
    mustSucceed("loading the written PKDATA.tx", [&] { stateAgain = reread.load(again); });
    if (stateAgain != FileState::accepted)
        fuzz::violation("the written PKDATA.tx is refused");
    // A custom colour of 0 is registered as the colour of the entry chosen beside it.
    AnnotationSettings registered = settings;
    if (registered.windowColor == 0 && registered.windowColorIndex != kMoneyGreenIndex)
        registered.windowColor = colourItemValue(registered.windowColorIndex, 0);
    fuzz::checkFieldsSurvive(&SettingsField::patternOffset, registered, again, "registering");
    PatternNames names = store.names();
    if (reread.names() != names)
        fuzz::violation("the pattern names do not survive registering");
    if (!newName.empty() && names[static_cast<std::size_t>(settings.selectedPattern)] != newName)
        fuzz::violation("the pattern was not renamed");

    fuzz::runWithLoadedSettings(static_cast<unsigned>(size), asLoaded, {sjis("注記"), "A-1"});
    return 0;
}
