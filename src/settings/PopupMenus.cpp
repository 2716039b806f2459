#include "settings/PopupMenus.h"

#include "base/Error.h"
#include "settings/SettingsFields.h"

#include <string>

namespace tagler {

namespace {

void checkItem(int item, int last, const char* menu)
{
    if (item < 0 || item > last)
        fail(ErrorKind::Range, std::string(menu) + " has no item " + std::to_string(item));
}

} // namespace

void chooseLeaderColor(AnnotationSettings& settings, int item)
{
    // The menu lists the host's colour and the eight line colours, as the field holds them.
    checkItem(item, fieldRange(&AnnotationSettings::leaderColor).max, "leader colour menu");
    settings.leaderColor = item;
    settings.arrowColor = 0;
    settings.dotColor = 0;
    settings.extensionColor = 0;
    settings.frameColor = 0;
}

void chooseDotRadiusOnes(AnnotationSettings& settings, int digit)
{
    checkItem(digit, 9, "dot radius x1 menu");
    settings.dotRadius = digit * 10 + settings.dotRadius % 10;
}

void chooseDotRadiusTenths(AnnotationSettings& settings, int digit)
{
    checkItem(digit, 9, "dot radius x0.1 menu");
    settings.dotRadius = settings.dotRadius / 10 * 10 + digit;
}

PopupMenuChecks popupMenuChecks(const AnnotationSettings& settings)
{
    return {settings.leaderColor, settings.dotRadius / 10, settings.dotRadius % 10};
}

} // namespace tagler
