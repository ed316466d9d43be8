#pragma once
// A workzone whose current toolpath has a bull-nosed cutter D10 R2 (named ".\bull\d10r2.wkz"),
// and a tool library next to it, in English, without a hook command.

#include <string>

#include "workzone/workzone_fixture.h"

struct ToolLibraryTest : WorkzoneTest {
    testsupport::TempDir library;

    void SetUp() override {
        WorkzoneTest::SetUp();
        write_toolpath(0, sample_items());
        env_.set("KVXLANG", "ang")
            .set("KVX_CUTTER_DIR", library.path())
            .set("KVX_CUTTER_HOOK_COMMAND", std::nullopt)
            .set("KVXTMPDIR", zone_.path());
    }

    // A tool of the toolpath's body radius with this corner radius.
    std::string tool(const std::string& relative, const std::string& corner_radius = "2.500") {
        return library.write(relative,
                             "Body Radius              :       &TP_BRAD=5.000\r\n"
                             "Corner Radius            :       &TP_CRAD=" +
                                 corner_radius + "\r\n");
    }
};
