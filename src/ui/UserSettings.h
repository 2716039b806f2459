#pragma once
#include <QSettings>

#include <memory>

namespace tagler {

// The program's own settings in the user's configuration folder, never in the
// data files it shares with the host's other programs.
inline std::unique_ptr<QSettings> userSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tagler"),
                                       QStringLiteral("tagler"));
}

} // namespace tagler
