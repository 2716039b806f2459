#include "settings/SettingsFieldListing.h"

#include "base/CodePage.h"
#include "settings/SettingsFields.h"

namespace tagler {

std::string settingsFieldListing()
{
    const AnnotationSettings defaults;
    std::string out;
    for (const SettingsField& f : settingsFields()) {
        out += f.name;
        if (const auto* number = std::get_if<int AnnotationSettings::*>(&f.member))
            out += "\tnumber\t" + std::to_string(f.range->min) + '\t' + std::to_string(f.range->max) + '\t' +
                   std::to_string(defaults.**number);
        else if (const auto* flag = std::get_if<bool AnnotationSettings::*>(&f.member))
            out += std::string("\tflag\t\t\t") + (defaults.**flag ? '1' : '0');
        else
            out += "\ttext\t\t\t" + toUtf8(defaults.*std::get<std::string AnnotationSettings::*>(f.member));
        out += '\n';
    }
    return out;
}

} // namespace tagler
