#pragma once
#include "settings/PersistentState.h"
#include "store/DataFile.h"

#include <string>

namespace tagler {

// Owns "PLDATA.tx": reads it into the settings at start, writes it on
// 「設定登録」 and on completion or close.
class PersistentStateStore final {
public:
    PersistentStateStore(const std::string& folder, Prompts& prompts);

    const std::string& path() const { return file_.path(); }

    struct Loaded {
        FileState state = FileState::missing;
        bool padded = false; // a short file was padded to its full length and wants rewriting
    };
    // An accepted file goes into the settings and extras; a line that is
    // refused raises its error and changes nothing.
    Loaded load(AnnotationSettings& settings, SessionExtras& extras);
    // Writes the lines as held: after padding at start.
    void rewrite() { file_.save(); }

    // 「設定登録」; clears the remembered leader length, in the settings too.
    void registerSettings(AnnotationSettings& settings, const SessionExtras& extras);
    // Releasing a slot or 「保存」: the settings as the file holds them,
    // the open text book left as it is. Nothing happens for a file refused
    // at start; a line that is refused raises its error and changes nothing.
    void revert(AnnotationSettings& settings, SessionExtras& extras);
    // 「長さ記憶」: into the held lines, written with the next save.
    void rememberLength(AnnotationSettings& settings, const std::string& lengthText);

    // Completion and close. A file refused at start, for its length or for a
    // value, is left alone and false returned, as it is when another window's
    // file was kept: the settings hold defaults then.
    bool saveOnExit(const AnnotationSettings& settings, const SessionExtras& extras);

private:
    DataFile file_;
    bool applied_ = false; // the settings came from the held lines, or the lines from the settings
};

} // namespace tagler
