#pragma once
// Each test file registers its QTest class once; the test program runs one
// class by name (as CTest does) or all of them.
#include <QObject>

using TestFactory = QObject *(*)();
bool registerTestClass(const char *name, TestFactory factory);

#define VELMORA_TEST(Class)                                                     \
    static const bool Class##_registered =                                      \
        registerTestClass(#Class, []() -> QObject * { return new Class; });
