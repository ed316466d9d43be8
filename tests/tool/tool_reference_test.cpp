#include "tool/tool_reference.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <tuple>

#include "support/test_support.h"

namespace {

TEST(ToolReference, OfAToolFileAndBack) {
    // A library, a link to it, a folder linked into it and a sibling named like it.
    testsupport::TempDir root;
    const std::string lib = root.file("real/lib"), link = root.file("link");
    for (const char* file :
         {"real/lib/bull/t.wkz", "real/lib/R&D/t.wkz", "shared/s.wkz", "real/lib2/t.wkz"}) {
        root.write(file, "");
    }
    ASSERT_EQ(::symlink(lib.c_str(), link.c_str()), 0);
    ASSERT_EQ(::symlink(root.file("shared").c_str(), root.file("real/lib/shared").c_str()), 0);
    // tool directory, tool file, reference
    const std::tuple<std::string, std::string, const char*> cases[] = {
        {lib, lib + "/bull/t.wkz", ".\\bull\\t.wkz"},
        {lib + "/", lib + "/./bull//t.wkz", ".\\bull\\t.wkz"},
        {lib, root.file("real/x/../lib/bull/t.wkz"), ".\\bull\\t.wkz"},
        {root.file("real/./lib"), lib + "/R&D/t.wkz", ".\\R\\&D\\t.wkz"},
        // The library through a link on either side; the path below it as given.
        {link, lib + "/bull/t.wkz", ".\\bull\\t.wkz"},
        {lib, link + "/bull/t.wkz", ".\\bull\\t.wkz"},
        {lib, lib + "/shared/s.wkz", ".\\shared\\s.wkz"},
        // Not below the directory.
        {lib, root.file("shared/s.wkz"), ""},
        {lib, root.file("real/lib2/t.wkz"), ""},
        {link, root.file("real/t.wkz"), ""},
        {lib, lib, ""},
        {"", lib + "/bull/t.wkz", ""},
        {"/", "/t.wkz", ".\\t.wkz"},
    };
    for (const auto& [directory, file, reference] : cases) {
        EXPECT_EQ(ToolReference(directory, file), reference) << directory << " " << file;
    }
    // reference, native path below the library ("" for none)
    const std::tuple<const char*, std::string> paths[] = {
        {".\\bull\\t.wkz", lib + "/bull/t.wkz"},
        {"./bull/t.wkz", lib + "/bull/t.wkz"},
        {".\\bull/t.wkz", lib + "/bull/t.wkz"},
        {".\\BULL\\T.WKZ", lib + "/bull/t.wkz"},
        {".\\R\\&D\\t.wkz", lib + "/R&D/t.wkz"},
        {".\\\\&D.wkz", lib + "/&D.wkz"},
        {".\\a\\..\\bull\\.\\t.wkz", lib + "/bull/t.wkz"},
        {".\\New\\t.wkz", lib + "/New/t.wkz"},
        {".\\..\\lib2\\t.wkz", ""},
        {".\\a\\..\\..\\t.wkz", ""},
        {"bull\\t.wkz", ""},
        {".\\", ""},
        {"", ""},
    };
    for (const auto& [reference, path] : paths) {
        EXPECT_EQ(ToolReferencePath(lib, reference), path) << reference;
    }
    EXPECT_EQ(ToolReferencePath("", ".\\bull\\t.wkz"), "");
    EXPECT_FALSE(SameToolReference(".\\bull\\t.wkz", ".\\bull\\t.wkz "));
}

}  // namespace
