#include <QApplication>
#include <QTest>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "gui/framework/numeric_locale.h"
#include "gui_test.h"

namespace {

std::map<std::string, guitest::Factory>& registry() {
    static std::map<std::string, guitest::Factory> tests;
    return tests;
}

int run(const guitest::Factory& factory, std::vector<char*> arguments) {
    std::unique_ptr<QObject> test = factory();
    return QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
}

}  // namespace

bool guitest::registerTest(const char* name, Factory factory) {
    return registry().emplace(name, std::move(factory)).second;
}

// test_gui [CLASS [QTEST OPTIONS...]]
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    keepNumericLocaleC();
    std::vector<char*> arguments{argv[0]};
    if (argc > 1 && argv[1][0] != '-') {
        auto found = registry().find(argv[1]);
        if (found == registry().end()) {
            std::fprintf(stderr, "no window test named %s\n", argv[1]);
            return 2;
        }
        arguments.insert(arguments.end(), argv + 2, argv + argc);
        return run(found->second, arguments);
    }
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int failures = 0;
    for (const auto& [name, factory] : registry()) {
        failures += run(factory, arguments);
    }
    return failures == 0 ? 0 : 1;
}
