#include "app/tool_index.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_set>

#include "app/search_text.h"
#include "app/tool_file_values.h"
#include "platform/ascii_case.h"
#include "platform/filesystem.h"
#include "platform/number_text.h"
#include "platform/path_identity.h"

namespace {

// A tool file larger than this is damaged beyond use; it is not read into memory.
constexpr std::int64_t kLargestToolFile = 64 * 1024 * 1024;

// Two cutters are alike when radius and corner radius agree within a thousandth.
constexpr double kSlack = 0.001 + 1e-6;

std::string upper(std::string text) {
    for (char& c : text) {
        c = platform::ascii_upper(c);
    }
    return text;
}

std::string stem(const std::string& name) {
    return name.substr(0, name.rfind('.'));
}

// What the walk finds, in library order: a tool file, or a Fedrix file without one.
struct Found {
    std::string path;
    std::string relative_path;
    std::string name;
    std::string fedrix_path;  // the tool's Fedrix file, when one lies beside it
    bool lone_fedrix = false;
};

class Walker {
public:
    explicit Walker(bool fedrix_enabled, const std::atomic<bool>* cancel)
        : fedrix_enabled_(fedrix_enabled), cancel_(cancel) {}

    bool Cancelled() const { return cancel_ != nullptr && cancel_->load(); }

    // The tree's walk: subfolders first in name order ignoring case, then the tools; never
    // into a directory already open on the path from the root.
    void Walk(const std::string& directory, const std::string& relative) {
        const auto identity = platform::file_identity(platform::resolve_case(directory));
        if (Cancelled() || !identity ||
            std::find(open_.begin(), open_.end(), *identity) != open_.end()) {
            return;
        }
        open_.push_back(*identity);
        std::vector<platform::DirectoryEntry> entries = platform::list_entry_kinds(directory);
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            const int order = platform::ascii_compare_ignoring_case(a.name, b.name);
            return order != 0 ? order < 0 : a.name < b.name;
        });
        const auto dot = [](const std::string& name) { return name == "." || name == ".."; };
        for (const auto& entry : entries) {
            if (entry.is_directory && !dot(entry.name)) {
                Walk(platform::join_path(directory, entry.name), relative + entry.name + "/");
            }
        }
        // Fedrix files by their stem, and the stems of the tools, all ignoring case.
        std::unordered_set<std::string> fedrix_stems;
        std::unordered_set<std::string> tool_stems;
        for (const auto& entry : entries) {
            if (dot(entry.name)) {
                continue;
            }
            if (platform::wildcard_match("*.wkz", entry.name)) {
                tool_stems.insert(upper(stem(entry.name)));
            }
            if (fedrix_enabled_ && !entry.is_directory &&
                platform::wildcard_match("*.ncs", entry.name)) {
                fedrix_stems.insert(upper(stem(entry.name)));
            }
        }
        for (const auto& entry : entries) {
            if (dot(entry.name) || !platform::wildcard_match("*.wkz", entry.name)) {
                continue;
            }
            Found tool{platform::join_path(directory, entry.name),
                       relative + entry.name,
                       entry.name,
                       {},
                       false};
            if (entry.is_symlink && !platform::file_identity(tool.path)) {
                continue;
            }
            if (fedrix_stems.count(upper(stem(entry.name))) != 0) {
                tool.fedrix_path = platform::resolve_case(FedrixPath(tool.path));
            }
            found_.push_back(std::move(tool));
        }
        for (const auto& entry : entries) {
            if (fedrix_enabled_ && !entry.is_directory &&
                platform::wildcard_match("*.ncs", entry.name) &&
                tool_stems.count(upper(stem(entry.name))) == 0) {
                found_.push_back({platform::join_path(directory, entry.name),
                                  relative + entry.name,
                                  entry.name,
                                  {},
                                  true});
            }
        }
        open_.pop_back();
    }

    std::vector<Found>& found() { return found_; }

private:
    static std::string FedrixPath(const std::string& tool_path) {
        return tool_path.substr(0, tool_path.rfind('.')) + ".ncs";
    }

    bool fedrix_enabled_;
    const std::atomic<bool>* cancel_;
    std::vector<platform::FileIdentity> open_;
    std::vector<Found> found_;
};

std::string fixed3(double value) {
    return platform::format_fixed(value, 3);
}

// The entry's values from the file's bytes, with the list's rules for size and shape.
void read_entry(ToolIndexEntry& entry, std::string_view bytes) {
    const ToolFileValues tool(bytes);
    FillToolRowValues(entry.row, tool, false);
    entry.shape = entry.row.shape;
    const auto body_radius = tool.Get(kTpBrad);
    const auto diameter = tool.Get(kTpCdiam);
    entry.diameter_column = entry.row.columns[kColumnSize];
    if (body_radius && body_radius->real != 0.0f) {
        entry.has_size = true;
        entry.radius = body_radius->real;
        entry.diameter_column = fixed3(2.0 * body_radius->real);
    } else if (diameter) {
        entry.has_size = true;
        entry.radius = diameter->real / 2.0;
        entry.diameter_column = fixed3(diameter->real);
    }
    entry.diameter = 2 * entry.radius;
    if (const auto corner = tool.Get(kTpCrad)) {
        entry.has_corner_radius = true;
        entry.corner_radius = corner->real;
    }
    if (const auto number = tool.Get(kTpCppnum)) {
        entry.has_number = true;
        entry.number = number->integer;
    }
    if (const auto description = tool.Get(kTpCdesc)) {
        entry.description = description->text;
    }
    if (const auto comment = tool.Get(kTpComment)) {
        entry.comment = comment->text;
    }
    entry.findings = CheckToolValues(entry.path, tool);
}

void read_tool(ToolIndexEntry& entry, const std::optional<platform::FileStamp>& stamp) {
    entry.row.shape = kImageFlatEnd;
    std::optional<std::string> bytes;
    if (stamp && stamp->size <= kLargestToolFile) {
        bytes = platform::read_file(entry.path);
    }
    if (bytes) {
        read_entry(entry, *bytes);
    } else {
        entry.findings = {UnreadableToolFinding(entry.path)};
    }
}

bool same_geometry(const ToolIndexEntry& a, const ToolIndexEntry& b) {
    return a.has_size == b.has_size && std::fabs(a.radius - b.radius) <= kSlack &&
           std::fabs(a.corner_radius - b.corner_radius) <= kSlack;
}

// One tool number on cutters of different geometry: each tool names the first other one.
void add_shared_numbers(std::vector<ToolIndexEntry>& entries) {
    std::unordered_map<int, std::vector<std::size_t>> by_number;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // 0 is the number of a tool that has none.
        if (entries[i].has_number && entries[i].number != 0) {
            by_number[entries[i].number].push_back(i);
        }
    }
    for (const auto& [number, group] : by_number) {
        const ToolIndexEntry& first = entries[group.front()];
        const auto other = std::find_if(group.begin(), group.end(), [&](std::size_t i) {
            return !same_geometry(entries[i], first);
        });
        if (other == group.end()) {
            continue;
        }
        for (const std::size_t i : group) {
            const ToolIndexEntry& named =
                same_geometry(entries[i], first) ? entries[*other] : first;
            entries[i].findings.push_back(
                SharedToolNumberFinding(entries[i].path, number, named.relative_path));
        }
    }
}

}  // namespace

bool ToolIndex::Build(const std::string& tool_directory, bool fedrix_enabled,
                      const std::function<void(std::size_t, std::size_t)>& progress,
                      const std::atomic<bool>* cancel) {
    Walker walker(fedrix_enabled, cancel);
    walker.Walk(tool_directory, "");
    std::vector<Found>& found = walker.found();
    std::unordered_map<std::string, std::size_t> previous;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        previous.emplace(entries_[i].path, i);
    }
    std::vector<ToolIndexEntry> entries;
    std::vector<Kept> kept;
    std::unordered_map<std::string, KeptFedrix> fedrix;
    for (std::size_t done = 0; done < found.size(); ++done) {
        if (walker.Cancelled()) {
            return false;
        }
        Found& item = found[done];
        if (item.lone_fedrix) {
            if (progress) {
                progress(done + 1, found.size());
            }
            continue;
        }
        ToolIndexEntry entry;
        const auto stamp = platform::regular_file_stamp(item.path);
        const auto old = previous.find(item.path);
        if (stamp && old != previous.end() && kept_[old->second].stamp == *stamp) {
            entry = entries_[old->second];
            entry.findings.resize(kept_[old->second].own_findings);
        } else {
            entry.path = item.path;
            entry.file_name = item.name;
            entry.row.kind = ToolListRowKind::Tool;
            entry.row.path = item.path;
            entry.row.columns[kColumnName] = item.name;
            read_tool(entry, stamp);
            entry.folded = FoldSearchText(entry.file_name) + "\n" +
                           FoldSearchText(entry.description) + "\n" + FoldSearchText(entry.comment);
        }
        entry.relative_path = std::move(item.relative_path);
        entry.fedrix = !item.fedrix_path.empty();
        entry.row.image = entry.fedrix ? kImageFedrixTool : kImageTool;
        kept.push_back({stamp.value_or(platform::FileStamp{}), entry.findings.size()});
        if (entry.fedrix) {
            const auto fedrix_stamp = platform::regular_file_stamp(item.fedrix_path);
            const auto cached = fedrix_.find(item.fedrix_path);
            KeptFedrix checked;
            if (fedrix_stamp && cached != fedrix_.end() && cached->second.stamp == *fedrix_stamp) {
                checked = cached->second;
            } else {
                checked = {fedrix_stamp.value_or(platform::FileStamp{}),
                           CheckFedrixFile(item.fedrix_path)};
            }
            entry.findings.insert(entry.findings.end(), checked.findings.begin(),
                                  checked.findings.end());
            fedrix.emplace(item.fedrix_path, std::move(checked));
        }
        entries.push_back(std::move(entry));
        if (progress) {
            progress(done + 1, found.size());
        }
    }
    if (walker.Cancelled()) {
        return false;
    }
    add_shared_numbers(entries);
    // Every finding in library order, the lone Fedrix files in their folders' places.
    std::vector<ToolFinding> findings;
    std::size_t next = 0;
    for (const Found& item : found) {
        if (item.lone_fedrix) {
            findings.push_back(FedrixWithoutToolFinding(item.path));
        } else {
            const auto& own = entries[next++].findings;
            findings.insert(findings.end(), own.begin(), own.end());
        }
    }
    entries_ = std::move(entries);
    kept_ = std::move(kept);
    findings_ = std::move(findings);
    fedrix_ = std::move(fedrix);
    return true;
}
