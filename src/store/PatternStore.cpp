#include "store/PatternStore.h"

namespace tagler {

PatternStore::PatternStore(const std::string& folder, Prompts& prompts)
    : file_(folder + "/" + kBasicSettingsFileName, basicSettingsAccepted, prompts)
{}

FileState PatternStore::load(AnnotationSettings& settings)
{
    const FileState state = file_.load(Lines(kBasicSettingsLineCount, "0"));
    standIn_ = state == FileState::missing;
    if (state == FileState::missing)
        names_ = defaultPatternNames();
    else if (state == FileState::accepted)
        applyBasicSettingsPattern(file_.lines(), settings.selectedPattern, settings, true, names_);
    return state;
}

void PatternStore::select(int index, AnnotationSettings& settings)
{
    if (file_.accepted())
        applyBasicSettingsPattern(file_.lines(), index, settings, false, names_);
}

void PatternStore::reapply(AnnotationSettings& settings)
{
    if (!standIn_ && file_.accepted())
        applyBasicSettingsPattern(file_.lines(), settings.selectedPattern, settings, true, names_);
}

void PatternStore::registerPattern(int index, const AnnotationSettings& settings, std::string_view newName)
{
    // The "0" lines of a missing file stand in for it only until the first
    // register, which builds it from the defaults as it does a refused one.
    Lines lines = standIn_ ? defaultBasicSettingsLines() : file_.lines();
    storeBasicSettingsPattern(lines, index, settings, names_, newName);
    file_.lines() = std::move(lines);
    standIn_ = false;
    if (!file_.save() && file_.accepted()) {
        // Another window's patterns were kept: their names are the list's.
        for (std::size_t i = 0; i < names_.size(); ++i)
            names_[i] = file_.lines()[kPatternNamesLine + i];
    }
}

} // namespace tagler
