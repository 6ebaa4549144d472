#pragma once

#include "maskdata.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace tervox::ui {

// A picture stored with the program (a Qt resource path such as ":/skins/form1.bmp").
// A picture that is missing from the build comes back as a plain grey placeholder of
// the designed size, with a warning, so the window still has its layout.
QImage StoredPicture(const QString& resourcePath, QSize designSize);

// A mask stored with the program, decoded; nothing when it is missing or malformed.
std::optional<maskdata::Mask> StoredMask(const QString& resourcePath);

} // namespace tervox::ui
