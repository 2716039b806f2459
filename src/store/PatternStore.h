#pragma once
#include "settings/BasicSettingsPattern.h"
#include "store/DataFile.h"

#include <string>
#include <string_view>

namespace tagler {

// Owns "PKDATA.tx" and the six pattern names the pattern list shows.
class PatternStore final {
public:
    PatternStore(const std::string& folder, Prompts& prompts);

    const std::string& path() const { return file_.path(); }
    const PatternNames& names() const { return names_; }

    // The selected pattern of an accepted file into the settings, names
    // included. A line that is refused raises its error and changes nothing.
    FileState load(AnnotationSettings& settings);
    // A click in the pattern list: that pattern's block, when the lines are whole.
    void select(int index, AnnotationSettings& settings);
    // Releasing a slot or 「保存」: the selected pattern again, names included.
    void reapply(AnnotationSettings& settings);
    // 「基本設定登録」: a non-empty newName renames the pattern. A file that
    // was missing or refused is first rebuilt from the defaults.
    void registerPattern(int index, const AnnotationSettings& settings, std::string_view newName);

private:
    DataFile file_;
    PatternNames names_ = defaultPatternNames();
    bool standIn_ = false;
};

} // namespace tagler
