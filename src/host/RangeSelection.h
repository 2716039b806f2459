#pragma once
#include "base/LineFile.h"
#include "render/HostSheet.h"

// What the host hands over after a range selection that takes texts only.
namespace tagler::host {

// The text records of `records`, each preceded by the attribute lines (group,
// layer, colour, line type, text type, font, base point) that differ from
// those in force, the header's own to begin with. Other records are left out.
Lines selectedTexts(const Lines& records, const render::HostSheet& sheet);

} // namespace tagler::host
