#pragma once

#include "quantiser.h"

#include <string>
#include <vector>

namespace tervox::assets {

// Writes an uncompressed bottom-up bitmap at 96 pixels per inch. Returns false
// when the file cannot be written completely.
bool WriteBmp8(const std::string& path, int width, int height, const IndexedPicture& picture);
bool WriteBmp24(const std::string& path, int width, int height, const std::vector<Rgb>& pixels);

}  // namespace tervox::assets
