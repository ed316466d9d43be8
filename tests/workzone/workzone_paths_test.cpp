#include <gtest/gtest.h>

#include <climits>

#include "workzone/workzone_paths.h"

namespace {

TEST(ToolpathFileName, NumberTextByRange) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {0, ".par", "outil.par"},
        {9999, ".mul", "outil9999.mul"},
        {10000, ".par", "outil0.1.par"},
        {123456, ".niv", "outil3456.12.niv"},
        // The largest numbers need more than the nine characters an old buffer had; the whole
        // text keeps them apart from toolpath 21473647.
        {INT_MAX, ".par", "outil3647.214748.par"},
        {21473647, ".par", "outil3647.2147.par"},
        {-1, ".par", "outil-1.par"},
        {5, "", "outil5"},
    };
    for (const auto& [number, extension, name] : cases) {
        EXPECT_EQ(ToolpathFileName(number, extension), name) << number;
    }
}

TEST(ToolpathFilePath, OneSeparatorBetweenDirectoryAndName) {
    EXPECT_EQ(ToolpathFilePath("/zones/z1/", 7, ".par"), "/zones/z1/outil7.par");
    // A directory written on Windows keeps its own trailing separator.
    EXPECT_EQ(ToolpathFilePath("C:\\zones\\z1\\", 7, ".par"), "C:\\zones\\z1\\outil7.par");
    EXPECT_EQ(ToolpathFilePath("", 12, ".per"), "outil12.per");
    const std::string directory(700, 'd');
    EXPECT_EQ(ToolpathFilePath(directory, 3, ".par"), directory + "/outil3.par");
}

}  // namespace
