#include "app/tool_tree.h"

#include <algorithm>
#include <unordered_set>

#include "platform/ascii_case.h"
#include "platform/filesystem.h"
#include "platform/path_identity.h"

namespace {

std::string upper(std::string text) {
    for (char& c : text) {
        c = platform::ascii_upper(c);
    }
    return text;
}

bool is_dot_entry(const std::string& name) {
    return name == "." || name == "..";
}

// The Fedrix file of a tool is its name with the last extension replaced by ".ncs".
std::string fedrix_name(const std::string& tool_name) {
    return upper(tool_name.substr(0, tool_name.rfind('.')) + ".ncs");
}

class Scanner {
public:
    explicit Scanner(bool fedrix_enabled) : fedrix_enabled_(fedrix_enabled) {}

    void Scan(const std::string& directory, ToolTreeItem& parent) {
        const auto identity = platform::file_identity(platform::resolve_case(directory));
        if (!identity || std::find(open_.begin(), open_.end(), *identity) != open_.end()) {
            return;
        }
        open_.push_back(*identity);
        // One listing serves the folders, the tools and the Fedrix files of this level; the
        // kinds suffice, so no file's attributes are read.
        std::vector<platform::DirectoryEntry> entries = platform::list_entry_kinds(directory);
        // Names equal but for case ("Bull", "bull") in one order every time.
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            const int order = platform::ascii_compare_ignoring_case(a.name, b.name);
            return order != 0 ? order < 0 : a.name < b.name;
        });
        std::unordered_set<std::string> names;
        if (fedrix_enabled_) {
            // Only a file is a Fedrix file: a folder named like one leaves its tool plain.
            for (const auto& entry : entries) {
                if (!entry.is_directory) {
                    names.insert(upper(entry.name));
                }
            }
        }
        for (const auto& entry : entries) {
            if (entry.is_directory && !is_dot_entry(entry.name)) {
                ToolTreeItem folder{ToolTreeKind::Folder,
                                    entry.name,
                                    kImageFolder,
                                    platform::join_path(directory, entry.name),
                                    {}};
                Scan(folder.path, folder);
                parent.children.push_back(std::move(folder));
            }
        }
        for (const auto& entry : entries) {
            if (is_dot_entry(entry.name) || !platform::wildcard_match("*.wkz", entry.name)) {
                continue;
            }
            std::string path = platform::join_path(directory, entry.name);
            if (entry.is_symlink && !platform::file_identity(path)) {
                continue;
            }
            const bool fedrix = fedrix_enabled_ && names.count(fedrix_name(entry.name)) != 0;
            parent.children.push_back({ToolTreeKind::Tool,
                                       entry.name,
                                       fedrix ? kImageFedrixTool : kImageTool,
                                       std::move(path),
                                       {}});
        }
        open_.pop_back();
    }

private:
    bool fedrix_enabled_;
    // The directories on the path from the root: entering one again would never end.
    std::vector<platform::FileIdentity> open_;
};

}  // namespace

ToolTreeItem ScanToolTree(const std::string& tool_directory, bool fedrix_enabled) {
    ToolTreeItem root{ToolTreeKind::Root, tool_directory, kImageRoot, tool_directory, {}};
    Scanner(fedrix_enabled).Scan(tool_directory, root);
    return root;
}
