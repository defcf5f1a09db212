#pragma once
// The contrast of two colours as WCAG computes it: 1 (none) to 21 (black on white).
#include <cstdint>

namespace sumbrel::access {

// Colours as 0xRRGGBB.
// The relative luminance of an sRGB colour, 0 (black) to 1 (white).
double RelativeLuminance(uint32_t rgb);
double ContrastRatio(uint32_t a, uint32_t b);

// The ratio the high-contrast look keeps for every text and key face (WCAG's enhanced level).
inline constexpr double kHighContrastRatio = 7.0;

}  // namespace sumbrel::access
