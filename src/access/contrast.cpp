#include "access/contrast.h"

#include <algorithm>
#include <cmath>

namespace sumbrel::access {

namespace {
double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double RelativeLuminance(uint32_t rgb)
{
    return 0.2126 * Linear(int(rgb >> 16 & 0xff)) + 0.7152 * Linear(int(rgb >> 8 & 0xff))
        + 0.0722 * Linear(int(rgb & 0xff));
}

double ContrastRatio(uint32_t a, uint32_t b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace sumbrel::access
