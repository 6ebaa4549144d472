#include "assetsinit.h"

#include <QtCore/qglobal.h>
#include <QtCore/qresource.h>

// Q_INIT_RESOURCE names a global function, so it must be used outside any namespace.
void tervox_assets_init() {
    Q_INIT_RESOURCE(tervox_art);
}
