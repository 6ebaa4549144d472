#pragma once

#include "indicatordiagramwindow.h"
#include "tform1.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace tervox::ui::testing {

// Opens the indicator diagram through the calculator's pop-up entry, as a user
// does, and waits until the window is on screen; nullptr when that fails.
inline IndicatorDiagramWindow* OpenIndicatorDiagram(TForm1& form) {
    QAction* entry = nullptr;
    for (QAction* a : form.popupMenu()->actions())
        if (a->objectName() == QStringLiteral("IndicatorDiagram1"))
            entry = a;
    if (!entry)
        return nullptr;
    entry->trigger();
    auto* window = form.findChild<IndicatorDiagramWindow*>(QStringLiteral("IndicatorDiagramWindow"));
    if (window && !QTest::qWaitForWindowExposed(window))
        return nullptr;
    return window;
}

} // namespace tervox::ui::testing
