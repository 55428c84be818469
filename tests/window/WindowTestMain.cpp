#include "tests/window/WindowTestMain.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace ga::test {

namespace {

std::map<std::string, WindowTestFactory>& registry() {
    static std::map<std::string, WindowTestFactory> tests;
    return tests;
}

} // namespace

bool registerWindowTest(const char* name, WindowTestFactory make) {
    registry().emplace(name, make);
    return true;
}

} // namespace ga::test

// Runs one registered test class, as QTEST_MAIN would run it in a program of its own: the
// first argument names the class, the rest are QtTest's (test functions, -o, -v2, ...).
int main(int argc, char** argv) {
    const auto& tests = ga::test::registry();
    const auto found = argc > 1 ? tests.find(argv[1]) : tests.end();
    if (found == tests.end()) {
        std::fprintf(stderr, "usage: %s TEST_CLASS [QtTest options]\ntest classes:",
                     argc > 0 ? argv[0] : "window_tests");
        for (const auto& [name, make] : tests) {
            std::fprintf(stderr, " %s", name.c_str());
        }
        std::fputc('\n', stderr);
        return 2;
    }
    std::vector<char*> args(argv, argv + argc);
    args.erase(args.begin() + 1);
    int count = static_cast<int>(args.size());
    QApplication app(count, args.data());
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    const auto test = found->second();
    return QTest::qExec(test.get(), count, args.data());
}
