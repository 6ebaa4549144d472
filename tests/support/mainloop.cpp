#include "mainloop.h"

#include <QCoreApplication>
#include <QTimer>

namespace tervox::ui::testing {

int RunMainLoop(int timeoutMs, int timeoutCode) {
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [timeoutCode] { QCoreApplication::exit(timeoutCode); });
    fallback.start(timeoutMs);
    return QCoreApplication::exec();
}

} // namespace tervox::ui::testing
