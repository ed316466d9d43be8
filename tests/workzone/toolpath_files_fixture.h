#pragma once
// A small installation and an empty workzone for the toolpath file tests, with the
// process-wide toolpath state put back to its start around each test.

#include <gtest/gtest.h>

#include <string>

#include "runtime/environment.h"
#include "support/test_support.h"
#include "workzone/axis_system.h"
#include "workzone/parameter_file.h"
#include "workzone/toolpath_details.h"

class ToolpathFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        home_.write("config/environ.cfg", "[var]\n[path]\nENV = " + home_.path() +
                                              "/config\nTXT = " + home_.path() + "/texte\n");
        env_.set("KVXHOME", home_.path())
            .set("KVXZONE", zone_.path())
            .set("KVXDATA", "data")
            .set("KVXLANG", "english")
            .set("KVXDEBUG", std::nullopt)
            .set("KVXMENU_MZDEBUG", std::nullopt);
        reset_state();
    }
    void TearDown() override { reset_state(); }

    static void reset_state() {
        unload_environment();
        reset_axis_systems();
        forget_toolpath_details_load();
        toolpath_details().Reset();
    }

    // A parameter file with item 1 valid and the given items, in the file layout.
    std::string write_parameters(const std::string& name, const ParameterItems& items) {
        std::string path = zone_.file(name);
        EXPECT_TRUE(write_parameter_file(path, items));
        return path;
    }

    testsupport::TempDir home_;
    testsupport::TempDir zone_;
    testsupport::ScopedEnv env_;
};

// Items of a valid file: item 1 set, the rest as given afterwards.
inline ParameterItems valid_items() {
    ParameterItems items;
    items.set_number(1, 1.0f);
    return items;
}
