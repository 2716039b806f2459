// The memo file "SENTAKUMEMO.TX" through its store: loaded as the first show
// loads it, saved as 「保存 & 閉じる」 saves it, loaded again: the same memos.
#include "fuzz/FuzzSupport.h"

#include "store/MemoStore.h"

using namespace tagler;

namespace {

bool sameMemos(const SlotMemos& a, const SlotMemos& b)
{
    return a.texts == b.texts && a.showMemos == b.showMemos && a.hoverPreview == b.hoverPreview;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& folder = fuzz::workFolder();
    fuzz::writeBytes(folder + "/SENTAKUMEMO.TX", std::string(reinterpret_cast<const char*>(data), size));

    fuzz::QuietPrompts quiet;
    MemoStore store(folder, quiet);
    FileState state = FileState::missing;
    if (!fuzz::guardedStartUp("loading the memos", [&] { state = store.loadAtStart(); }) ||
        state != FileState::accepted)
        return 0;
    const SlotMemos loaded = store.memos();

    try {
        store.save(loaded);
    } catch (const std::exception& e) {
        fuzz::violation("saving memos that loaded failed", e.what());
    }
    const Lines written = readLines(store.path());
    fuzz::checkWrittenLines(store.path(), written);

    MemoStore again(folder, quiet);
    FileState stateAgain = FileState::missing;
    try {
        stateAgain = again.loadAtStart();
    } catch (const std::exception& e) {
        fuzz::violation("the saved memos do not load", e.what());
    }
    if (stateAgain != FileState::accepted || !sameMemos(again.memos(), loaded))
        fuzz::violation("the memos do not survive saving");
    return 0;
}
