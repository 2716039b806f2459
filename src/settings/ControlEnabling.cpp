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
    switch (traits(mode).disables) {
    case DisabledControls::byFrame: applyFrameRules(e, frameType, extensionLengthMode); break;
    case DisabledControls::importedText:
        disableForExistingText(e);
        e.popupLeaderColor = false;
        e.basicSettings = false;
        break;
    case DisabledControls::existingText: disableForExistingText(e); break;
    case DisabledControls::leaderlessText:
        // No leader: nothing at its end, nothing to slide along it or extend.
        e.tipSymbol = e.textSlide = false;
        e.extensionLengthMode = e.extensionLength = false;
        e.popupDotRadiusOnes = e.popupDotRadiusTenths = false;
        break;
    }
    return e;
}

} // namespace tagler
