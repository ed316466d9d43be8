#pragma once
// An installation in a temporary directory (KVXHOME/config/environ.cfg and more configuration
// directories), with the variables the lookups consult removed from the process environment.

#include <gtest/gtest.h>

#include <string>

#include "runtime/environment.h"
#include "runtime/report.h"
#include "support/test_support.h"

namespace environment_test {

struct Installation : ::testing::Test {
    void SetUp() override {
        for (const char* name : {"ENVPATH", "KVXNULL", "KVXTMPDIR", "KVXTMP", "KVXZONE", "LINUX",
                                 "PC", "WINDOWS", "LIBPATH"}) {
            env.set(name, std::nullopt);
        }
        env.set("KVXHOME", home());
        unload_environment();
        quiet = set_quiet_reporting(true);
    }
    void TearDown() override {
        unload_environment();
        set_quiet_reporting(quiet);
        set_verbose_reporting(false);
    }

    std::string home() const { return root.file("home"); }
    std::string base_file() const { return home() + "/config/environ.cfg"; }
    std::string fill(std::string text) const {  // "@" stands for the temporary root
        for (auto at = text.find('@'); at != std::string::npos; at = text.find('@', at + 1)) {
            text.replace(at, 1, root.path());
        }
        return text;
    }
    void base(const std::string& text) const { config("home/config", text); }
    void config(const std::string& directory, const std::string& text) const {
        root.write(directory + "/environ.cfg", fill(text));
    }

    testsupport::TempDir root;
    testsupport::ScopedEnv env;
    bool quiet = false;
};

}  // namespace environment_test
