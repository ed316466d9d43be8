#include "app/tool_tree.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "support/test_support.h"

namespace {

// The tree as lines "LEVEL IMAGE TEXT PATH", the paths below the library's folder.
std::string lines(const ToolTreeItem& item, const std::string& top, int level = 0) {
    std::string path = item.path.substr(0, top.size()) == top ? item.path.substr(top.size()) : "?";
    std::string text = std::to_string(level) + " " + std::to_string(item.image) + " " +
                       (item.kind == ToolTreeKind::Root ? std::string("ROOT") : item.text) + " " +
                       path + "\n";
    for (const ToolTreeItem& child : item.children) {
        text += lines(child, top, level + 1);
    }
    return text;
}

struct ToolTreeScan : ::testing::Test {
    testsupport::TempDir root;
    std::string lib = root.file("lib");

    void SetUp() override {
        for (const char* file :
             {"lib/b.wkz", "lib/a.wkz", "lib/A.ncs", "lib/notes.txt", "lib/ball/z.wkz",
              "lib/ball/z.NCS", "lib/Bull/r2.wkz", "lib/Bull/deep/d.wkz", "lib/x.wkz/inside.wkz",
              "shared/s.wkz", "shared/s.ncs"}) {
            root.write(file, "");
        }
        root.mkdir("lib/empty");
        symlink_to(root.file("shared"), "lib/shared");
        symlink_to(lib, "lib/Bull/up");
        symlink_to(root.file("missing"), "lib/gone.wkz");
        symlink_to(root.file("missing"), "lib/gone");
    }
    void symlink_to(const std::string& target, const std::string& link) {
        ASSERT_EQ(::symlink(target.c_str(), root.file(link).c_str()), 0);
    }
};

TEST_F(ToolTreeScan, FoldersWithTheirSubtreesBeforeTheToolsOfALevel) {
    // The link loop "up" is an empty folder; dangling links and other files are left out.
    const std::string folders =
        "0 0 ROOT \n"
        "1 1 ball /ball\n"
        "2 FEDRIX_Z z.wkz /ball/z.wkz\n"
        "1 1 Bull /Bull\n"
        "2 1 deep /Bull/deep\n"
        "3 3 d.wkz /Bull/deep/d.wkz\n"
        "2 1 up /Bull/up\n"
        "2 3 r2.wkz /Bull/r2.wkz\n"
        "1 1 empty /empty\n"
        "1 1 shared /shared\n"
        "2 FEDRIX_S s.wkz /shared/s.wkz\n"
        "1 1 x.wkz /x.wkz\n"
        "2 3 inside.wkz /x.wkz/inside.wkz\n"
        "1 FEDRIX_A a.wkz /a.wkz\n"
        "1 3 b.wkz /b.wkz\n"
        "1 3 x.wkz /x.wkz\n";
    for (const bool fedrix : {false, true}) {
        std::string expected = folders;
        for (const char* mark : {"FEDRIX_Z", "FEDRIX_S", "FEDRIX_A"}) {
            expected.replace(expected.find(mark), 8, fedrix ? "4" : "3");
        }
        const ToolTreeItem tree = ScanToolTree(lib, fedrix);
        EXPECT_EQ(lines(tree, lib), expected) << fedrix;
        EXPECT_EQ(tree.text, lib);
    }
}

TEST_F(ToolTreeScan, ALinkBackToTheRootIsEnteredOnceAnUnreadableFolderNotAtAll) {
    // From "Bull" the link "up" leads to the library, which holds "Bull" again: that one is
    // open on the path from the root and stays empty; the rest of the library is there.
    const std::string bull = lib + "/Bull";
    const ToolTreeItem tree = ScanToolTree(bull, false);
    EXPECT_EQ(tree.children.size(), 3u);  // deep, up, r2.wkz
    const ToolTreeItem* again = FindTreeItem(tree, bull + "/up/Bull");
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->children.empty());
    EXPECT_NE(FindTreeItem(tree, bull + "/up/shared/s.wkz"), nullptr);
    EXPECT_NE(FindTreeItem(tree, bull + "/up/x.wkz/inside.wkz"), nullptr);
    EXPECT_TRUE(ScanToolTree(root.file("missing"), false).children.empty());
    if (::geteuid() == 0) {
        return;  // the superuser reads every folder
    }
    ASSERT_EQ(::chmod(root.file("lib/ball").c_str(), 0), 0);
    const ToolTreeItem closed = ScanToolTree(lib, false);
    ::chmod(root.file("lib/ball").c_str(), 0700);
    const ToolTreeItem* ball = FindTreeItem(closed, lib + "/ball");
    ASSERT_NE(ball, nullptr);
    EXPECT_TRUE(ball->children.empty());
}

TEST_F(ToolTreeScan, FindAndSelectByPathIgnoringCase) {
    root.mkdir("lib/BALL");
    const ToolTreeItem tree = ScanToolTree(lib, true);
    // path, text of the item found, or nullptr for none
    const std::tuple<std::string, const char*> cases[] = {
        {lib + "/BALL/Z.WKZ", "z.wkz"}, {lib + "/bull/DEEP", "deep"}, {lib + "/bull", "Bull"},
        {lib + "/Ball", "BALL"},  // two spellings: the first in display order
        {lib + "/x.wkz", "x.wkz"},      {lib + "/none.wkz", nullptr}, {lib, nullptr},
    };
    for (const auto& [path, text] : cases) {
        const ToolTreeItem* item = FindTreeItem(tree, path);
        EXPECT_EQ(item != nullptr ? item->text : "(none)", text != nullptr ? text : "(none)")
            << path;
    }
    // A folder named "x.wkz" is found as the folder, which comes first.
    EXPECT_TRUE(FindTreeItem(tree, lib + "/x.wkz")->HasChildren());
    EXPECT_EQ(ItemToSelect(tree, lib), &tree);
    EXPECT_EQ(ItemToSelect(tree, root.file("LIB")), &tree);
    EXPECT_EQ(ItemToSelect(tree, root.file("a")), &tree);
    EXPECT_EQ(ItemToSelect(tree, lib + "/B.wkz")->path, lib + "/b.wkz");
    EXPECT_EQ(ItemToSelect(tree, lib + "/none.wkz"), nullptr);
}

}  // namespace
