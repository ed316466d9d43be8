#pragma once
// Ball/B6.wkz B6.ncs B8.wkz, Ball/Long/ (empty), flat/F10.wkz, x.wkz/inside.wkz, a.wkz

#include <string>

#include "support/test_support.h"

namespace guitest {

struct ToolLibrary {
    testsupport::TempDir temp;
    std::string root = temp.file("tools");

    ToolLibrary() {
        for (const char* file : {"Ball/B6.wkz", "Ball/B6.ncs", "Ball/B8.wkz", "flat/F10.wkz",
                                 "x.wkz/inside.wkz", "a.wkz"}) {
            temp.write("tools/" + std::string(file), "TP_COMMENT=x\n");
        }
        temp.mkdir("tools/Ball/Long");
    }
    std::string path(const std::string& relative) const { return root + "/" + relative; }
};

}  // namespace guitest
