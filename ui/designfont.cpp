#include "designfont.h"

#include <QStringList>

namespace tervox::ui {

QFont DesignFont() {
    static const bool substitutionsRegistered = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)substitutionsRegistered;

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

} // namespace tervox::ui
