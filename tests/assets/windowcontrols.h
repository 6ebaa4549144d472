#pragma once

#include <ostream>

// Every control of the three windows, as left, top, width, height in window
// pixels: the outline of each window must hold all of its controls.
struct ControlBox {
    const char* name;
    int left, top, width, height;
};

// Readable test names and failure messages.
inline void PrintTo(const ControlBox& c, std::ostream* os) {
    *os << c.name << " (" << c.left << ", " << c.top << ", " << c.width << ", " << c.height << ")";
}

// The calculator window: group boxes of the fields, the engine-type group and
// buttons, the bevels, the note, the label, the buttons, the menu image and the
// player bar.
inline constexpr ControlBox kCalculatorControls[] = {
    {"GroupBox1", 38, 134, 33, 37},   {"GroupBox2", 3, 134, 38, 37},
    {"GroupBox3", 3, 175, 48, 36},    {"GroupBox4", 53, 175, 33, 36},
    {"GroupBox5", 15, 335, 53, 35},   {"GroupBox11", 5, 255, 46, 36},
    {"GroupBox12", 5, 215, 48, 36},   {"GroupBox13", 65, 335, 71, 35},
    {"GroupBox14", 321, 195, 40, 41}, {"GroupBox15", 262, 238, 49, 41},
    {"GroupBox16", 313, 238, 48, 41}, {"GroupBox17", 291, 288, 70, 41},
    {"GroupBox18", 266, 334, 45, 41}, {"GroupBox19", 314, 334, 47, 41},
    {"GroupBox20", 210, 334, 57, 41}, {"GroupBox21", 392, 282, 59, 41},
    {"GroupBox22", 502, 282, 54, 41}, {"GroupBox10", 136, 335, 60, 35},
    {"GroupBox23", 262, 195, 54, 41}, {"GroupBox24", 449, 282, 54, 41},
    {"GroupBox26", 521, 330, 40, 41}, {"GroupBox27", 585, 260, 49, 41},
    {"GroupBox29", 410, 330, 51, 41}, {"GroupBox30", 460, 330, 61, 41},
    {"GroupBox31", 640, 260, 56, 41}, {"GroupBox32", 370, 330, 41, 41},
    {"RadioGroup1", 73, 123, 93, 49}, {"RadioButton1", 76, 135, 85, 17},
    {"RadioButton2", 76, 151, 81, 17}, {"BitBtn1", 564, 303, 67, 67},
    {"Button1", 574, 337, 43, 25},    {"Image1", 636, 305, 60, 60},
    {"StaticText2", 477, 170, 217, 81}, {"Label5", 437, 256, 73, 13},
    {"Bevel2", 183, 120, 18, 256},    {"Bevel1", 355, 130, 10, 241},
    {"MediaPlayer1", 420, 15, 253, 30},
};

inline constexpr ControlBox kSplashButton{"Form3.BitBtn1", 230, 185, 60, 26};
inline constexpr ControlBox kAboutButton{"AboutBox.CoolButton1", 216, 176, 65, 33};
