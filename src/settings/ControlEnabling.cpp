#include "settings/ControlEnabling.h"

namespace tagler {

namespace {

// The frame decides what a leader annotation can use.
void applyFrameRules(ControlEnabling& e, FrameType frameType, int extensionLengthMode)
{
    const FrameTraits& t = traits(frameType);
    e.textSlide = t.takesSlide;
    e.attachPosition = t.takesAttachShift;
    e.extensionLengthMode = t.extended;
    e.extensionLength = t.extended && extensionLengthMode == 1;
    e.tipSymbol = !t.drawsOwnLeader;
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

ControlEnabling updateControlEnabling(FrameType frameType, int extensionLengthMode, SessionMode mode)
{
    ControlEnabling e;
    switch (mode) {
    case SessionMode::normal:
    case SessionMode::fourPoint: applyFrameRules(e, frameType, extensionLengthMode); break;
    case SessionMode::importText:
        disableForExistingText(e);
        e.popupLeaderColor = false;
        e.basicSettings = false;
        break;
    case SessionMode::frameWrite1:
    case SessionMode::frameWrite2: disableForExistingText(e); break;
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
