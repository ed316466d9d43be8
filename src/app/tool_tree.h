#pragma once
// The tool library as the tree shows it: the tool directory as the single root, its
// subdirectories as folders and the tool files ("*.wkz") of each. Plain data built from the
// disk; the tree widget only shows it.

#include <string>
#include <vector>

enum class ToolTreeKind { Root, Folder, Tool };

// Images of the main dialog's image list.
inline constexpr int kImageRoot = 0;
inline constexpr int kImageFolder = 1;
inline constexpr int kImageOpenFolder = 2;  // a folder while it is expanded
inline constexpr int kImageTool = 3;
inline constexpr int kImageFedrixTool = 4;  // a tool with a Fedrix file beside it

struct ToolTreeItem {
    ToolTreeKind kind = ToolTreeKind::Root;
    std::string text;  // the whole directory for the root, else the entry's name
    int image = kImageRoot;
    std::string path;  // the full path
    std::vector<ToolTreeItem> children;

    // The tree's has-children marker, which tells folders from tools everywhere in the
    // program: set for the root and every folder, also an empty one.
    bool HasChildren() const { return kind != ToolTreeKind::Tool; }
};

// The root item of the tool directory with everything below it. In each folder, first the
// subfolders in name order ignoring case, each with its whole subtree, then the tools in
// directory order (a directory named "x.wkz" is both). A tool has image 4 when
// `fedrix_enabled` and a file of its name with the extension ".ncs" lies beside it. A folder
// that is unreadable, or that is a directory already open on the path from the root (a link
// loop), has no children; dangling links are left out. Reports nothing.
ToolTreeItem ScanToolTree(const std::string& tool_directory, bool fedrix_enabled);
