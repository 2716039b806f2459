#include "ui/FontConfigWarmUp.h"

#include <system_error>

#if TAGLER_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tagler {

FontConfigWarmUp::FontConfigWarmUp()
{
#if TAGLER_HAVE_FONTCONFIG
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the first font reads the configuration, as it always could.
    }
#endif
}

FontConfigWarmUp::~FontConfigWarmUp() { finish(); }

void FontConfigWarmUp::finish()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace tagler
