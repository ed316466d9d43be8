#pragma once
// Message files written into a temporary installation and loaded, for the message tests.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/environment.h"
#include "runtime/message_database.h"
#include "support/test_support.h"

struct MessageFiles {
    // CB_CONFIGURED is defined by the configuration only, for conditions that must look there.
    MessageFiles() {
        std::string home = dir.mkdir("home");
        dir.write("home/config/environ.cfg",
                  "[var]\nCB_CONFIGURED = from config\n[path]\nENV = " + home + "/config\n");
        env.set("KVXHOME", home).set("ENVPATH", std::nullopt);
        unload_environment();
    }
    ~MessageFiles() { unload_environment(); }

    std::string write(const std::string& name, const std::string& bytes) {
        return dir.write(name, bytes);
    }
    MessageDatabase* load(const std::string& bytes, MessageDatabase* db = nullptr,
                          const std::string& name = "messages.txt") {
        return load_messages(db, write(name, bytes));
    }

    testsupport::TempDir dir;
    testsupport::ScopedEnv env;
};

struct MessageTest : ::testing::Test {
    MessageFiles files;
    MessageDatabase* db = nullptr;
    void TearDown() override { free_database(db); }

    // The values of the names in a section, joined by "|"; "-" for a name without a value.
    std::string values(std::uint16_t section, std::initializer_list<std::string> names) const {
        std::string joined;
        for (const auto& name : names) {
            joined += (joined.empty() ? "" : "|") + get_value(db, section, name).value_or("-");
        }
        return joined;
    }
    // The messages of a section, in order.
    std::vector<std::string> messages(std::uint16_t section = 0) const {
        std::vector<std::string> result;
        while (auto text = get_message(db, section, static_cast<int>(result.size()))) {
            result.push_back(*text);
        }
        return result;
    }
};
