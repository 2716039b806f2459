#pragma once

// A Windows console shows bytes in its own code page, not UTF-8.
namespace tagler {

// On Windows, standard output and error that reach a console are converted
// from UTF-8 to the console's output code page; a file or pipe keeps UTF-8.
// Elsewhere it does nothing. Call after useBinaryStandardStreams.
void useConsoleCodePage();

} // namespace tagler
