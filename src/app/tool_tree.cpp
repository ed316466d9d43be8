#include "app/tool_tree.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/ascii_case.h"
#include "platform/filesystem.h"
#include "platform/path_identity.h"

namespace {

bool is_dot_entry(const std::string& name) {
    return name == "." || name == "..";
}

// A tool file is named "*.wkz", the extension in any case.
bool is_tool_name(std::string_view name) {
    constexpr std::string_view kExtension = ".wkz";
    return name.size() >= kExtension.size() &&
           platform::ascii_equal_ignoring_case(name.substr(name.size() - kExtension.size()),
                                               kExtension);
}

// Orders names by their upper-cased bytes alone: names equal but for case are equivalent.
bool folded_less(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(platform::ascii_upper(a[i]));
        const auto cb = static_cast<unsigned char>(platform::ascii_upper(b[i]));
        if (ca != cb) {
            return ca < cb;
        }
    }
    return a.size() < b.size();
}

class Scanner {
public:
    explicit Scanner(bool fedrix_enabled) : fedrix_enabled_(fedrix_enabled) {}

    void Scan(const std::string& directory, ToolTreeItem& parent) {
        // One listing serves the folders, the tools and the Fedrix files of this level; the
        // kinds suffice, so no file's attributes are read. The same opening tells which
        // directory this is.
        platform::FileIdentity identity;
        std::optional<std::vector<platform::DirectoryEntry>> listed =
            platform::read_entry_kinds(directory, &identity);
        if (!listed || std::find(open_.begin(), open_.end(), identity) != open_.end()) {
            return;
        }
        open_.push_back(identity);
        std::vector<platform::DirectoryEntry>& entries = *listed;
        // Names equal but for case ("Bull", "bull") in one order every time.
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            const int order = platform::ascii_compare_ignoring_case(a.name, b.name);
            return order != 0 ? order < 0 : a.name < b.name;
        });
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
            if (is_dot_entry(entry.name) || !is_tool_name(entry.name)) {
                continue;
            }
            std::string path = platform::join_path(directory, entry.name);
            if (entry.is_symlink && !platform::file_identity(path)) {
                continue;
            }
            const bool fedrix = fedrix_enabled_ && HasFedrixFile(entries, entry.name);
            parent.children.push_back({ToolTreeKind::Tool,
                                       entry.name,
                                       fedrix ? kImageFedrixTool : kImageTool,
                                       std::move(path),
                                       {}});
        }
        open_.pop_back();
    }

private:
    // Whether a file (only a file: a folder named like one leaves its tool plain) lies among
    // the entries, sorted ignoring case, with the tool's name but for the last extension
    // replaced by ".ncs", in any case.
    static bool HasFedrixFile(const std::vector<platform::DirectoryEntry>& entries,
                              const std::string& tool_name) {
        const std::string name = tool_name.substr(0, tool_name.rfind('.')) + ".ncs";
        const auto [first, last] = std::equal_range(
            entries.begin(), entries.end(), name,
            [](const auto& a, const auto& b) { return folded_less(Name(a), Name(b)); });
        return std::any_of(first, last, [](const auto& entry) { return !entry.is_directory; });
    }
    static std::string_view Name(const platform::DirectoryEntry& entry) { return entry.name; }
    static std::string_view Name(const std::string& name) { return name; }

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
