#pragma once
// Message files written into a temporary directory and loaded, for the message database tests.

#include <string>

#include "runtime/environment.h"
#include "runtime/message_database.h"
#include "support/test_support.h"

class MessageFiles {
public:
    // An installation whose configuration defines CB_CONFIGURED, so that conditions naming
    // variables absent from the process environment have a configuration to look into.
    MessageFiles() {
        home_ = dir_.mkdir("home");
        dir_.write("home/config/environ.cfg",
                   "[var]\nCB_CONFIGURED = from config\n[path]\nENV = " + home_ + "/config\n");
        env_.set("KVXHOME", home_).set("ENVPATH", std::nullopt);
        unload_environment();
    }
    ~MessageFiles() { unload_environment(); }

    std::string write(const std::string& name, const std::string& bytes) {
        return dir_.write(name, bytes);
    }
    MessageDatabase* load(const std::string& bytes, MessageDatabase* db = nullptr,
                          const std::string& name = "messages.txt") {
        return load_messages(db, write(name, bytes));
    }
    const testsupport::TempDir& dir() const { return dir_; }
    testsupport::ScopedEnv& env() { return env_; }

private:
    testsupport::TempDir dir_;
    testsupport::ScopedEnv env_;
    std::string home_;
};
