#include "store/PersistentStateStore.h"

namespace tagler {

PersistentStateStore::PersistentStateStore(const std::string& folder, Prompts& prompts)
    : file_(folder + "/" + kPersistentStateFileName, persistentStateAccepted, prompts)
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

void PersistentStateStore::revert(AnnotationSettings& settings, SessionExtras& extras)
{
    if (file_.found() && persistentStateAccepted(file_.lines()))
        applyPersistentState(file_.lines(), settings, extras, PersistentStateScope::settingsOnly);
}

void PersistentStateStore::rememberLength(AnnotationSettings& settings, const std::string& lengthText)
{
    rememberLeaderLength(file_.lines(), settings, lengthText);
}

bool PersistentStateStore::saveOnExit(const AnnotationSettings& settings, const SessionExtras& extras)
{
    if (!storeExitState(file_.lines(), settings, extras))
        return false;
    return file_.save();
}

} // namespace tagler
