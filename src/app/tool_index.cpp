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
        // Each name matched once: tools, and (with Fedrix on) Fedrix files, which only a file is.
        std::vector<char> tools(entries.size());
        std::vector<char> fedrix_files(entries.size());
        // Fedrix files by their stem, and the stems of the tools, all ignoring case.
        std::unordered_map<std::string, std::string> fedrix_names;
        std::unordered_set<std::string> tool_stems;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto& entry = entries[i];
            if (dot(entry.name)) {
                continue;
            }
            tools[i] = platform::wildcard_match("*.wkz", entry.name);
            fedrix_files[i] = fedrix_enabled_ && !entry.is_directory &&
                              platform::wildcard_match("*.ncs", entry.name);
            if (tools[i]) {
                tool_stems.insert(upper(stem(entry.name)));
            } else if (fedrix_files[i]) {
                fedrix_names.emplace(upper(stem(entry.name)), entry.name);
            }
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto& entry = entries[i];
            if (!tools[i]) {
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
            const auto fedrix = fedrix_names.find(upper(stem(entry.name)));
            if (fedrix != fedrix_names.end()) {
                tool.fedrix_path = platform::join_path(directory, fedrix->second);
            }
            found_.push_back(std::move(tool));
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto& entry = entries[i];
            if (fedrix_files[i] && tool_stems.count(upper(stem(entry.name))) == 0) {
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

// Reads the tool file once, its stamp taken from the file opened.
platform::FileStamp read_tool(ToolIndexEntry& entry) {
    entry.row.shape = kImageFlatEnd;
    platform::FileStamp stamp;
    const std::optional<std::string> bytes =
        platform::read_file_stamped(entry.path, stamp, kLargestToolFile);
    if (bytes) {
        read_entry(entry, *bytes);
    } else {
        entry.findings = {UnreadableToolFinding(entry.path)};
    }
    return stamp;
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

ToolIndex::KeptFedrix ToolIndex::CheckFedrix(const std::string& path) const {
    const auto cached = fedrix_.find(path);
    if (cached != fedrix_.end()) {
        const auto stamp = platform::regular_file_stamp(path);
        if (stamp && cached->second.stamp == *stamp) {
            return cached->second;
        }
    }
    KeptFedrix checked;
    const std::optional<std::string> bytes =
        platform::read_file_stamped(path, checked.stamp, kLargestToolFile);
    checked.findings =
        CheckFedrixBytes(path, bytes ? std::optional<std::string_view>(*bytes) : std::nullopt);
    return checked;
}

bool ToolIndex::Build(const std::string& tool_directory, bool fedrix_enabled,
                      const std::function<void(std::size_t, std::size_t)>& progress,
                      const std::atomic<bool>* cancel) {
    Walker walker(fedrix_enabled, cancel);
    walker.Walk(tool_directory, "");
    std::vector<Found>& found = walker.found();
    std::vector<ToolIndexEntry> entries;
    std::vector<Kept> kept;
    entries.reserve(found.size());
    kept.reserve(found.size());
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
        platform::FileStamp stamp;
        const auto old = by_path_.find(item.path);
        const auto old_stamp =
            old != by_path_.end() ? platform::regular_file_stamp(item.path) : std::nullopt;
        if (old_stamp && kept_[old->second].stamp == *old_stamp) {
            stamp = *old_stamp;
            entry = entries_[old->second];
            entry.findings.resize(kept_[old->second].own_findings);
        } else {
            entry.path = std::move(item.path);
            entry.row.kind = ToolListRowKind::Tool;
            entry.row.columns[kColumnName] = item.name;
            entry.file_name = std::move(item.name);
            stamp = read_tool(entry);
            AppendFoldedSearchText(entry.folded, entry.file_name);
            entry.folded += '\n';
            AppendFoldedSearchText(entry.folded, entry.description);
            entry.folded += '\n';
            AppendFoldedSearchText(entry.folded, entry.comment);
        }
        entry.relative_path = std::move(item.relative_path);
        entry.fedrix = !item.fedrix_path.empty();
        entry.row.image = entry.fedrix ? kImageFedrixTool : kImageTool;
        kept.push_back({stamp, entry.findings.size()});
        if (entry.fedrix) {
            KeptFedrix checked = CheckFedrix(item.fedrix_path);
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
    by_path_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        by_path_.emplace(entries_[i].path, i);
    }
    findings_ = std::move(findings);
    fedrix_ = std::move(fedrix);
    return true;
}

const ToolIndexEntry* ToolIndex::Find(const std::string& path) const {
    const auto found = by_path_.find(path);
    return found != by_path_.end() ? &entries_[found->second] : nullptr;
}
