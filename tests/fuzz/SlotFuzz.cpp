// A quick-select slot "PSDATA1.tx" through its store: loaded as the first show
// loads it, applied to the settings, stored back, loaded and applied again:
// the same settings, and the settings run through the writer.
#include "fuzz/FuzzSupport.h"

#include "base/CodePage.h"
#include "store/SlotStore.h"

using namespace tagler;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& folder = fuzz::workFolder();
    fuzz::writeBytes(folder + "/" + slotFileName(1), std::string(reinterpret_cast<const char*>(data), size));

    fuzz::QuietPrompts quiet;
    SlotStore store(folder, quiet);
    AnnotationSettings settings;
    bool applied = false;
    if (!fuzz::guarded("loading the slot",
                       [&] {
                           store.load();
                           applied = store.apply(1, settings);
                       }) ||
        !applied)
        return 0;

    try {
        store.store(1, settings, 1);
    } catch (const std::exception& e) {
        fuzz::violation("storing settings a slot gave failed", e.what());
    }
    fuzz::checkWrittenLines(store.path(1), readLines(store.path(1)));

    SlotStore again(folder, quiet);
    AnnotationSettings appliedAgain;
    bool appliedBack = false;
    try {
        again.load();
        appliedBack = again.apply(1, appliedAgain);
    } catch (const std::exception& e) {
        fuzz::violation("the stored slot does not load", e.what());
    }
    if (!appliedBack)
        fuzz::violation("the stored slot is empty");
    fuzz::checkFieldsSurvive(&SettingsField::slotLine, settings, appliedAgain, "storing");

    fuzz::runWithLoadedSettings(static_cast<unsigned>(size), settings, {sjis("注記"), "A-1"});
    return 0;
}
