#include "store/PersistentStateStore.h"

namespace tagler {

PersistentStateStore::PersistentStateStore(const std::string& folder)
    : file_(folder + "/" + kPersistentStateFileName, persistentStateAccepted)
{}

PersistentStateStore::Loaded PersistentStateStore::load(AnnotationSettings& settings, SessionExtras& extras)
{
    Loaded loaded;
    // Empty lines stand in for a missing file, so 「設定登録」 can still write one.
    loaded.state = file_.load(Lines(kPersistentStateLineCount, ""));
    if (loaded.state == FileState::accepted)
        loaded.padded = applyPersistentState(file_.lines(), settings, extras);
    return loaded;
}

void PersistentStateStore::registerSettings(AnnotationSettings& settings, const SessionExtras& extras)
{
    storeSessionSettings(file_.lines(), settings, extras);
    file_.save();
}

bool PersistentStateStore::saveOnExit(const AnnotationSettings& settings, const SessionExtras& extras)
{
    if (!storeExitState(file_.lines(), settings, extras))
        return false;
    file_.save();
    return true;
}

} // namespace tagler
