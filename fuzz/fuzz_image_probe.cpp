#include "analysis/image_probe.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ImageProbe probe = probeImageData(data, size);
    // A readable result always describes a picture that can be priced.
    if (probe.readable && (probe.width == 0 || probe.height == 0 || probe.frameCount < 1 ||
                           probe.dotsPerMeterX < 0 || probe.dotsPerMeterY < 0))
        std::abort();
    if (!probe.readable && (probe.width != 0 || probe.frameCount != 0))
        std::abort();
    return 0;
}
