#pragma once
#include <string>

// One picture of every text frame, drawn by the real writer and the host's renderer.
namespace tagler::host {

// Frame types 0..14 down the sheet; across it the horizontal and rotated layouts, each untilted
// and tilted, with the fill on and one tip symbol per frame. Needs a QGuiApplication.
// Returns the number of tiles whose annotation could not be written (each is captioned).
int writeGallery(const std::string& out);

} // namespace tagler::host
