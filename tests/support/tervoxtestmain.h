#pragma once

#include "tervoxapplication.h"

#include <QStandardPaths>
#include <QTest>

// The main() of a window test: the program's own application object (title, error
// display), test mode for the standard folders, then the test class's slots.
#define TERVOX_TEST_MAIN(TestClass)                                                    \
    int main(int argc, char** argv) {                                                  \
        QStandardPaths::setTestModeEnabled(true);                                      \
        tervox::ui::TervoxApplication app(argc, argv);                                 \
        TestClass test;                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                     \
        return QTest::qExec(&test, argc, argv);                                        \
    }
