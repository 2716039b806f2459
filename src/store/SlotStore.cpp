#include "store/SlotStore.h"

#include "base/Error.h"

#include <utility>

namespace tagler {

namespace {

template <std::size_t... I>
std::array<DataFile, kSlotCount> slotFiles(const std::string& folder, Prompts& prompts, std::index_sequence<I...>)
{
    return {DataFile(folder + "/" + slotFileName(static_cast<int>(I) + 1), slotAccepted, prompts)...};
}

} // namespace

SlotStore::SlotStore(const std::string& folder, Prompts& prompts)
    : files_(slotFiles(folder, prompts, std::make_index_sequence<kSlotCount>{}))
{}

void SlotStore::load()
{
    for (std::size_t i = 0; i < files_.size(); ++i) {
        FileState state = FileState::missing;
        try {
            state = files_[i].load({});
        } catch (const Error& e) {
            // A slot that cannot be read is as good as none; storing it again mends it.
            if (e.kind() != ErrorKind::InputOutput)
                throw;
        }
        markers_[i] = state == FileState::accepted ? SlotMarker::loaded : SlotMarker::empty;
    }
}

bool SlotStore::store(int slot, const AnnotationSettings& settings, int currentPage)
{
    DataFile& file = files_.at(index(slot));
    const bool stored = file.replaceLines(slotLines(settings, currentPage));
    if (stored)
        markers_.at(index(slot)) = SlotMarker::storedThisRun;
    else
        markers_.at(index(slot)) = file.accepted() ? SlotMarker::loaded : SlotMarker::empty;
    return stored;
}

bool SlotStore::apply(int slot, AnnotationSettings& settings) const
{
    if (isEmpty(slot))
        return false;
    applySlotLines(lines(slot), settings);
    return true;
}

} // namespace tagler
