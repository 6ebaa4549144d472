#pragma once

// Registers the embedded artwork (":/skins", ":/glyphs", ":/images", ":/icons").
// Linking tervox_assets into a program already does this before main(); calling it
// again is harmless, and makes the dependency explicit where a program needs the
// pictures.
void tervox_assets_init();
