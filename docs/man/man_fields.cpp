// Writes a man page from its template, the settings fields filling the line that names them, so
// tagler-batch(1) lists every field --set takes with the range it accepts.
#include "settings/SettingsFields.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <variant>

namespace {

const std::string kMarker = ".\\\" settings fields";

std::string accepted(const tagler::SettingsField& f)
{
    using tagler::StoredForm;
    if (std::holds_alternative<bool tagler::AnnotationSettings::*>(f.member))
        return "0 or 1";
    if (f.form == StoredForm::fontName)
        return "a font name";
    if (f.form == StoredForm::decimalText)
        return "a decimal number";
    if (f.form == StoredForm::colour)
        return "a colour, as the data files keep it";
    return std::to_string(f.range->min) + " to " + std::to_string(f.range->max);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: man_fields TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::ostringstream out;
    bool filled = false;
    for (std::string line; std::getline(in, line);) {
        if (line != kMarker) {
            out << line << '\n';
            continue;
        }
        out << ".PD 0\n";
        for (const tagler::SettingsField& f : tagler::settingsFields())
            out << ".TP 25n\n.B " << f.name << "\n" << accepted(f) << "\n";
        out << ".PD\n";
        filled = true;
    }
    if (!in.eof() || !filled) {
        std::cerr << "man_fields: " << argv[1] << " unreadable or without the line '" << kMarker << "'\n";
        return 1;
    }
    std::ofstream file(argv[2]);
    file << out.str();
    return file.flush() ? 0 : 1;
}
