#pragma once

#include <QString>

class QWidget;

namespace tervox::ui {

// Asks where to save a picture, offering fileName in the documents folder and a PNG
// and an SVG filter. A name that ends in neither .png nor .svg takes the extension
// of the chosen filter. Empty when the user cancels.
QString AskPicturePath(QWidget* parent, const QString& caption, const QString& fileName);

// Asks where to save a table, offering fileName in the documents folder; a name
// that does not end in .csv gets it. Empty when the user cancels.
QString AskTablePath(QWidget* parent, const QString& caption, const QString& fileName);

} // namespace tervox::ui
