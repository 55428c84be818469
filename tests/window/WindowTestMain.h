#pragma once

#include <QObject>

#include <memory>

namespace ga::test {

using WindowTestFactory = std::unique_ptr<QObject> (*)();

// Adds a test class to the one window-test program under its class name; the program
// runs the class named by its first argument, so each class keeps a process of its own.
bool registerWindowTest(const char* name, WindowTestFactory make);

} // namespace ga::test

// Registers a QtTest class with the window-test program (in place of QTEST_MAIN).
#define GA_WINDOW_TEST(TestClass)                                                                  \
    namespace {                                                                                    \
    [[maybe_unused]] const bool registered##TestClass = ga::test::registerWindowTest(              \
        #TestClass, [] { return std::unique_ptr<QObject>(std::make_unique<TestClass>()); });       \
    }
