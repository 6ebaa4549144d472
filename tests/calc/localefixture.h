#pragma once

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

// Sets the process C locale from TERVOX_TEST_C_LOCALE, as Qt's setlocale(LC_ALL, "")
// would from the user's settings.
class ProcessLocaleEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (const char* name = std::getenv("TERVOX_TEST_C_LOCALE")) {
            if (!std::setlocale(LC_ALL, name))
                FAIL() << "locale " << name << " is not installed";
        }
    }
};
