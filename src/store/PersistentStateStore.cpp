#include "store/PersistentStateStore.h"

namespace tagler {

PersistentStateStore::PersistentStateStore(const std::string& folder, Prompts& prompts)
    : file_(folder + "/" + kPersistentStateFileName, persistentStateAccepted, prompts)
{}

PersistentStateStore::Loaded PersistentStateStore::load(AnnotationSettings& settings, SessionExtras& extras)
{
    Loaded loaded;
    // Empty lines stand in for a missing file, so 「設定登録」 can still write one.
    applied_ = false;
    loaded.state = file_.load(Lines(kPersistentStateLineCount, ""));
    if (loaded.state == FileState::missing)
        applied_ = true;
    else if (loaded.state == FileState::accepted) {
        loaded.padded = applyPersistentState(file_.lines(), settings, extras);
        applied_ = true;
    }
    return loaded;
}

void PersistentStateStore::registerSettings(AnnotationSettings& settings, const SessionExtras& extras)
{
    storeSessionSettings(file_.lines(), settings, extras);
    file_.save();
    applied_ = true;
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
    if (!applied_ || !storeExitState(file_.lines(), settings, extras))
        return false;
    return file_.save();
}

} // namespace tagler
