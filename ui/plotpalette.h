#pragma once

#include <QColor>

namespace tervox::ui::plotpalette {

// The colours of every plot the program draws, so that the indicator diagram and a
// design study read as pages of one report: lines told apart as a printed
// textbook figure would, greys for guides, near-black ink for text.
inline const QColor kBlue(0x1f, 0x5f, 0xa8);
inline const QColor kRed(0xc0, 0x39, 0x2b);
inline const QColor kOrange(0xd9, 0x73, 0x1a);
inline const QColor kDarkGrey(0x6b, 0x6b, 0x6b);
inline const QColor kMidGrey(0x9a, 0x9a, 0x9a);
inline const QColor kFrameGrey(0xb0, 0xb0, 0xb0);
inline const QColor kGridMajor(0xe2, 0xe2, 0xe2);
inline const QColor kGridMinor(0xf1, 0xf1, 0xf1);
inline const QColor kInk(0x20, 0x20, 0x20);

} // namespace tervox::ui::plotpalette
