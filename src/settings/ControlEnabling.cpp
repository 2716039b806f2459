#include "settings/ControlEnabling.h"

#include <initializer_list>

namespace tagler {

namespace {

bool oneOf(int value, std::initializer_list<int> set)
{
    for (int v : set)
        if (v == value)
            return true;
    return false;
}

// The frame decides what a leader annotation can use.
void applyFrameRules(ControlEnabling& e, int frameType, int extensionLengthMode)
{
    e.textSlide = oneOf(frameType, {1, 6});
    e.attachPosition = !oneOf(frameType, {1, 3, 6, 8, 10, 11, 12});
    const bool extends = frameType >= 5 && frameType <= 9;
    e.extensionLengthMode = extends;
    e.extensionLength = extends && extensionLengthMode == 1;
    e.tipSymbol = !oneOf(frameType, {10, 11, 12});
}

// Importing text and framing existing text draw no leader, and their
// settings are not registered.
void disableForExistingText(ControlEnabling& e)
{
    e.tipSymbol = e.attachPosition = e.textSlide = false;
    e.extensionLengthMode = e.extensionLength = false;
    e.useEmbeddedText = e.registerSettings = e.tiltFrame = false;
    e.quickSelectSave = e.clear = e.fontSwitch = false;
    e.popupDotRadiusOnes = e.popupDotRadiusTenths = false;
    e.fixedLeaderLength = e.rememberLength = false;
}

} // namespace

ControlEnabling updateControlEnabling(int frameType, int extensionLengthMode, SessionMode mode)
{
    ControlEnabling e;
    switch (mode) {
    case SessionMode::normal:
    case SessionMode::fourPoint:
        applyFrameRules(e, frameType, extensionLengthMode);
        break;
    case SessionMode::importText:
        disableForExistingText(e);
        e.popupLeaderColor = false;
        e.basicSettings = false;
        break;
    case SessionMode::frameWrite1:
    case SessionMode::frameWrite2:
        disableForExistingText(e);
        break;
    case SessionMode::textMode:
        // No leader: nothing at its end, nothing to slide along it or extend.
        e.tipSymbol = e.textSlide = false;
        e.extensionLengthMode = e.extensionLength = false;
        e.popupDotRadiusOnes = e.popupDotRadiusTenths = false;
        break;
    }
    return e;
}

} // namespace tagler
