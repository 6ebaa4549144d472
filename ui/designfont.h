#pragma once

#include <QFont>

namespace tervox::ui {

// The windows' design font: "MS Sans Serif" at 11 pixels, regular. Where that family
// is missing (any Linux desktop) Qt substitutes Liberation Sans, then DejaVu Sans,
// both of which carry the Cyrillic letters of the captions.
QFont DesignFont();

} // namespace tervox::ui
