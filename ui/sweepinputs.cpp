#include "sweepinputs.h"

#include <array>

namespace tervox::ui {

namespace {

struct Row {
    const char16_t* symbol;
    const char16_t* meaning;
    const char16_t* unit;
};

// In the order of kFieldNames.
constexpr std::array<Row, calc::kFieldCount> kLabels = {{
    {u"i", u"number of cylinders", u""},
    {u"n", u"rated speed", u"min\u207B\u00B9"},
    {u"\u03B1", u"excess-air coefficient", u""},
    {u"Ne", u"rated power", u"kW"},
    {u"\u03B5", u"compression ratio", u""},
    {u"To", u"ambient temperature", u"K"},
    {u"Po", u"ambient pressure", u"MPa"},
    {u"Pr/Po", u"residual-gas pressure ratio", u""},
    {u"Tr", u"residual-gas temperature", u"K"},
    {u"\u0394T", u"heating of the charge", u"K"},
    {u"\u03B2\u00B2+\u03BE", u"intake loss coefficient", u""},
    {u"\u03C9", u"charge speed in the intake", u"m/s"},
    {u"\u03C6", u"residual-gas coefficient", u""},
    {u"\u03C61", u"additional-charging coefficient", u""},
    {u"n1", u"compression exponent", u""},
    // Read and converted by a run, but no formula uses it: a study of it is flat.
    {u"\u03BEz", u"heat-use coefficient (no formula uses it)", u""},
    {u"n2", u"expansion exponent", u""},
    {u"Tz", u"temperature at the end of combustion", u"K"},
    {u"Pz", u"pressure at the end of combustion", u"MPa"},
    {u"\u03BB", u"pressure-rise ratio", u""},
    {u"\u03C1", u"pre-expansion ratio", u""},
    {u"\u03C6i", u"fullness of the indicator diagram", u""},
    {u"a", u"mechanical losses, constant term", u"MPa"},
    {u"b", u"mechanical losses, piston-speed term", u"MPa\u00B7s/m"},
    {u"Cp", u"piston speed for the losses", u"m/s"},
    {u"K", u"stroke-to-bore ratio S/D", u""},
}};

QString Name(calc::FieldId field) {
    const std::string_view name = calc::kFieldNames[static_cast<std::size_t>(field)];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

SweepInputLabel InputLabel(calc::FieldId field) {
    const Row& row = kLabels[static_cast<std::size_t>(field)];
    return {QString::fromUtf16(row.symbol), QString::fromUtf16(row.meaning),
            QString::fromUtf16(row.unit)};
}

QString InputChoiceText(calc::FieldId field) {
    const SweepInputLabel l = InputLabel(field);
    QString text = QStringLiteral("%1 \u2013 %2").arg(l.symbol, l.meaning);
    if (!l.unit.isEmpty())
        text += QStringLiteral(", ") + l.unit;
    return text + QStringLiteral(" (%1)").arg(Name(field));
}

QString InputAxisText(calc::FieldId field) {
    const SweepInputLabel l = InputLabel(field);
    QString text = QStringLiteral("%1, %2").arg(l.symbol, l.meaning);
    if (!l.unit.isEmpty())
        text += QStringLiteral(", ") + l.unit;
    return text;
}

} // namespace tervox::ui
