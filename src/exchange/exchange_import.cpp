#include "exchange/exchange_import.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "exchange/safe_name.h"
#include "platform/ascii_case.h"
#include "platform/filesystem.h"
#include "tool/tool_parameter_set.h"

namespace {

std::string folded(std::string_view path) {
    std::string upper(path);
    for (char& c : upper) {
        c = platform::ascii_upper(c);
    }
    return upper;
}

// Names taken by earlier tools of this import, and per name the suffix to try next: thousands of
// tools of one name are named in one pass, not in a pass each over the suffixes before.
struct TakenNames {
    std::unordered_set<std::string> names;
    std::unordered_map<std::string, int> next;
};

// The first of "NAME.wkz", "NAME_2.wkz", ... not taken by an earlier tool of this import.
std::string unique_path(const std::string& path, TakenNames& taken) {
    std::string key = folded(path);
    if (taken.names.insert(key).second) {
        return path;
    }
    const std::string stem = path.substr(0, path.size() - 4);
    const std::string extension = path.substr(path.size() - 4);
    int& n = taken.next.try_emplace(std::move(key), 2).first->second;
    for (;; ++n) {
        std::string candidate = stem + "_" + std::to_string(n) + extension;
        if (taken.names.insert(folded(candidate)).second) {
            ++n;
            return candidate;
        }
    }
}

// The names in each target directory, listed once: looking up a name that does not exist yet
// ignoring case would list the directory again for every tool.
class TargetNames {
public:
    // The existing entry's path when one of that name, ignoring case, is in the directory.
    std::optional<std::string> Find(const std::string& path) {
        const std::size_t slash = path.rfind('/');
        const std::string directory = path.substr(0, slash);
        auto& names = Listing(directory);
        const auto found = names.find(folded(path.substr(slash + 1)));
        if (found == names.end()) {
            return std::nullopt;
        }
        return directory + "/" + found->second;
    }
    void Add(const std::string& path) {
        const std::size_t slash = path.rfind('/');
        Listing(path.substr(0, slash))
            .emplace(folded(path.substr(slash + 1)), path.substr(slash + 1));
    }

private:
    std::unordered_map<std::string, std::string>& Listing(const std::string& directory) {
        auto [listing, added] = directories_.try_emplace(directory);
        if (added) {
            for (const platform::DirectoryEntry& entry : platform::list_entry_kinds(directory)) {
                listing->second.emplace(folded(entry.name), entry.name);
            }
        }
        return listing->second;
    }
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> directories_;
};

bool write_tool(const ExchangeTool& tool, const std::string& path) {
    const std::string directory = path.substr(0, path.rfind('/'));
    if (!platform::is_directory(directory) && !platform::create_directories(directory)) {
        return false;
    }
    ToolParameterSet set;
    for (const ToolParameter& parameter : tool.parameters) {
        set.Append(parameter);
    }
    return set.Save(path);
}

}  // namespace

ImportSummary ImportTools(const std::vector<ExchangeTool>& tools, const std::string& folder,
                          const ImportOptions& options, LossReport& report,
                          const ImportProgress& progress) {
    ImportSummary summary;
    TakenNames taken;
    TargetNames target;
    const std::string root = platform::resolve_case(folder);
    for (std::size_t i = 0; i < tools.size(); ++i) {
        if (progress && !progress(i, tools.size())) {
            summary.cancelled = true;
            summary.not_reached = tools.size() - i;
            break;
        }
        const ExchangeTool& tool = tools[i];
        std::string relative = SafeToolPath(tool.path, options.keep_folders);
        if (relative.empty()) {
            relative = SafeToolPath("tool", false);
        }
        relative = unique_path(relative, taken);
        std::string plain = tool.path;
        if (!plain.ends_with(".wkz")) {
            plain += ".wkz";
        }
        if (relative != plain) {
            report.Add(tool.path, "", LossReason::Renamed, relative);
        }
        std::string path = platform::join_path(root, relative);
        // The tool that is there, whatever the case of its name, is the one replaced.
        const std::optional<std::string> existing = target.Find(path);
        const bool exists = existing.has_value();
        if (exists) {
            path = *existing;
        }
        if (exists && !options.overwrite) {
            report.Add(tool.path, "", LossReason::Exists, path);
            summary.files.push_back({ImportOutcome::Skipped, path});
            ++summary.skipped;
            continue;
        }
        if (!options.dry_run && !write_tool(tool, path)) {
            report.Add(tool.path, "", LossReason::WriteFailed, path);
            summary.files.push_back({ImportOutcome::Failed, path});
            ++summary.failed;
            continue;
        }
        summary.files.push_back(
            {exists ? ImportOutcome::Overwritten : ImportOutcome::Written, path});
        ++(exists ? summary.overwritten : summary.written);
    }
    return summary;
}
