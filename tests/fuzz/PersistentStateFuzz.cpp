// PLDATA.tx through its store: loaded as start-up loads it, written back as
// the session writes it (padding, 「設定登録」, exit), loaded again, and the
// loaded settings run through the writer.
#include "fuzz/FuzzSupport.h"

#include "base/CodePage.h"
#include "store/PersistentStateStore.h"

#include <numeric>

using namespace tagler;

namespace {

bool operator==(const SessionExtras& a, const SessionExtras& b)
{
    return a.currentPage == b.currentPage && a.textBookFolder == b.textBookFolder && a.windowLeft == b.windowLeft &&
           a.windowTop == b.windowTop;
}

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
    fuzz::writeBytes(folder + "/" + kPersistentStateFileName, file);

    AnnotationSettings settings;
    SessionExtras extras;
    fuzz::QuietPrompts quiet;
    PersistentStateStore store(folder, quiet);
    PersistentStateStore::Loaded loaded;
    if (!fuzz::guardedStartUp("loading PLDATA.tx", [&] { loaded = store.load(settings, extras); }))
        return 0;
    if (loaded.state != FileState::accepted)
        return 0;
    const AnnotationSettings asLoaded = settings;

    // What the session writes: the padded file at start, then 「設定登録」 and exit.
    mustSucceed("writing PLDATA.tx back", [&] {
        if (loaded.padded)
            store.rewrite();
        store.registerSettings(settings, extras);
        if (!store.saveOnExit(settings, extras))
            fuzz::violation("an accepted PLDATA.tx is not saved on exit");
    });
    const Lines written = readLines(store.path());
    fuzz::checkWrittenLines(store.path(), written);
    const std::size_t readCount = splitLines(file).size();
    if (written.size() != std::max(readCount, kPersistentStateLineCount))
        fuzz::violation("PLDATA.tx was written with " + std::to_string(written.size()) + " lines, read with " +
                        std::to_string(readCount));

    // The file just written loads to the same settings and extras.
    AnnotationSettings again;
    SessionExtras extrasAgain;
    PersistentStateStore reread(folder, quiet);
    PersistentStateStore::Loaded loadedAgain;
    mustSucceed("loading the written PLDATA.tx", [&] { loadedAgain = reread.load(again, extrasAgain); });
    if (loadedAgain.state != FileState::accepted || loadedAgain.padded)
        fuzz::violation("the written PLDATA.tx is refused or short");
    fuzz::checkFieldsSurvive(&SettingsField::stateLine, settings, again, "saving");
    if (!(extras == extrasAgain))
        fuzz::violation("the text book or window place does not survive saving");

    // What was loaded drives the writer; the mode follows the input so every mode sees stored settings.
    fuzz::runWithLoadedSettings(std::accumulate(data, data + size, 0u), asLoaded, {sjis("注記"), "$2%Y"});
    return 0;
}
