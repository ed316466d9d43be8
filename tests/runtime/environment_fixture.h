#pragma once
// An installation in a temporary directory for the environment and expansion tests: KVXHOME
// with config/environ.cfg, further configuration directories, and a process environment from
// which every variable the lookups consult has been removed.

#include <gtest/gtest.h>

#include <string>

#include "runtime/environment.h"
#include "runtime/report.h"
#include "support/test_support.h"

namespace environment_test {

class Installation {
public:
    Installation() {
        for (const char* name : {"KVXHOME", "ENVPATH", "KVXNULL", "KVXTMPDIR", "KVXTMP", "KVXZONE",
                                 "LINUX", "PC", "WINDOWS", "LIBPATH"}) {
            env.set(name, std::nullopt);
        }
        env.set("KVXHOME", home());
        unload_environment();
    }
    ~Installation() { unload_environment(); }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    std::string home() const { return root.file("home"); }
    std::string base_file() const { return home() + "/config/environ.cfg"; }

    // The base configuration; "@" in the text stands for the root of the temporary tree.
    void base(const std::string& text) const { root.write("home/config/environ.cfg", fill(text)); }
    // environ.cfg in a directory below the root; returns the directory.
    std::string config(const std::string& directory, const std::string& text) const {
        root.write(directory + "/environ.cfg", fill(text));
        return root.file(directory);
    }
    std::string fill(std::string text) const {
        for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
            text.replace(at, 1, root.path());
            at += root.path().size();
        }
        return text;
    }

    testsupport::TempDir root;
    testsupport::ScopedEnv env;
};

// Base file with the environment path pointing back at the installation's own directory.
inline const char kMinimalBase[] =
    "[var]\n"
    "CB_HOME_VALUE = home\n"
    "[path]\n"
    "ENV = $KVXHOME/config\n";

struct QuietReports : ::testing::Test {
    void SetUp() override {
        verbose_ = set_verbose_reporting(false);
        quiet_ = set_quiet_reporting(true);
    }
    void TearDown() override {
        set_verbose_reporting(verbose_);
        set_quiet_reporting(quiet_);
    }

private:
    bool verbose_ = false;
    bool quiet_ = false;
};

}  // namespace environment_test
