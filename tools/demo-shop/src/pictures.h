// Menu pictures and the shop logo, drawn when the shop is first seeded.
#pragma once

#include <string>

namespace demoshop {

enum class PictureShape { Cup, Glass, Cake, Bread, Box };

// A 300 x 300 PNG: a drawing in the given hue and brightness (0-255) on a
// light background, with the item's name underneath.
bool writeMenuPicture(const std::string& path, const std::string& title, int hue, int value, PictureShape shape,
                      std::string* error);

bool writeLogo(const std::string& path, const std::string& shopName, std::string* error);

// Drops what drawing needed; call once all pictures are written.
void releasePictureTools();

}  // namespace demoshop
