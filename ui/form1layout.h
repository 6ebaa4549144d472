#pragma once

#include <QRect>

#include <array>

namespace tervox::ui {

// Where each input field of the calculator window sits: its group box (whose caption
// labels it), the field inside the box, its default text and its hint. Positions are
// left, top, width, height in pixels; the field's are relative to its group box.
struct FieldLayout {
    int tabOrder;
    const char* field;
    const char* groupBox;
    const char* caption;
    QRect boxGeometry;
    QRect fieldGeometry;
    const char* defaultText;
    const char* hint;     // empty: none
    bool hintShown;       // whether resting the mouse on the field shows the hint
};

// In tab order. Some captions mix Latin and Cyrillic letters on purpose ("Пол. n2"
// has a Latin n, "Ост г. х P" a Cyrillic х and a Latin P); "є" (U+0454) stands for
// epsilon; "Фи " ends with a blank.
inline const std::array<FieldLayout, 26> kForm1Fields = {{
    {1, "Chislocilind", "GroupBox1", "i", {38, 134, 33, 37}, {8, 12, 18, 21}, "4", "Число цилиндров", true},
    {2, "Nmosnost", "GroupBox2", "Ne", {3, 134, 38, 37}, {5, 13, 28, 21}, "45", "Номиналная мощность", true},
    {3, "Chastota", "GroupBox3", "n", {3, 175, 48, 36}, {8, 15, 33, 21}, "2300", "Номинальная частота вращения", true},
    {4, "StSzhatia", "GroupBox4", "є", {53, 175, 33, 36}, {5, 13, 23, 21}, "16", "Степень сжатия", true},
    {5, "Izbytokvoz", "GroupBox5", "Альфа", {15, 335, 53, 35}, {8, 12, 38, 21}, "1,5", "", false},
    {6, "Poe", "GroupBox11", "Po", {5, 255, 46, 36}, {8, 12, 28, 21}, "0,1", "Атмосферное давление, МПа", true},
    {10, "Toe", "GroupBox12", "To, K", {5, 215, 48, 36}, {8, 12, 33, 21}, "298", "Температура окр. среды", false},
    {11, "betaplusksi", "GroupBox13", "Beta^2+Ksi", {65, 335, 71, 35}, {8, 13, 53, 21}, "3,2", "", false},
    {12, "Dublw", "GroupBox14", "W", {321, 195, 40, 41}, {8, 16, 28, 21}, "80", "", false},
    {13, "DeltT", "GroupBox15", "Delta T", {262, 238, 49, 41}, {8, 16, 38, 22}, "27", "", false},
    {14, "fii", "GroupBox16", "Фи ", {313, 238, 48, 41}, {8, 16, 33, 21}, "1,01", "", false},
    {15, "fi1", "GroupBox17", "Дозар. фи1", {291, 288, 70, 41}, {8, 16, 49, 21}, "1,02", "Коэффициент дозарядки фи1", false},
    {16, "nodin", "GroupBox18", "n1", {266, 334, 45, 41}, {8, 16, 33, 21}, "1,37", "Политропа n1", true},
    {17, "ksizet", "GroupBox19", "KSI z", {314, 334, 47, 41}, {8, 16, 33, 21}, "0,75", "", false},
    {18, "lambd", "GroupBox20", "Лямбда", {210, 334, 57, 41}, {8, 16, 41, 21}, "1,8", "", false},
    {19, "Pzet", "GroupBox21", "Pz", {392, 282, 59, 41}, {8, 16, 41, 21}, "7,1784", "", false},
    {20, "ndva", "GroupBox22", "Пол. n2", {502, 282, 54, 41}, {8, 16, 43, 21}, "1,25", "", false},
    {21, "poctkoeff", "GroupBox10", "Ост г. х P", {136, 335, 60, 35}, {8, 13, 41, 21}, "1,15", "Коэффициент остаточных газов (= х Ро)", false},
    {22, "totrab", "GroupBox23", "T отр. г.", {262, 195, 54, 41}, {8, 16, 33, 21}, "750", "", false},
    {25, "tzet", "GroupBox24", "Tz", {449, 282, 54, 41}, {8, 16, 41, 21}, "2098", "", false},
    {26, "roh", "GroupBox26", "ro", {521, 330, 40, 41}, {8, 16, 28, 21}, "1,47", "", false},
    {27, "phii", "GroupBox27", "Фи i", {585, 260, 49, 41}, {8, 16, 33, 21}, "0,93", "", false},
    {28, "koefa", "GroupBox29", "К-т а", {410, 330, 51, 41}, {10, 15, 36, 21}, "0,089", "", false},
    {29, "koefb", "GroupBox30", "К-т b", {460, 330, 61, 41}, {10, 15, 46, 21}, "0,0135", "", false},
    {30, "skpor", "GroupBox31", "Cп", {640, 260, 56, 41}, {10, 15, 36, 21}, "9,2", "", false},
    {31, "k_tk", "GroupBox32", "К-т К", {370, 330, 41, 41}, {5, 15, 31, 21}, "1,2", "", false},
}};

} // namespace tervox::ui
