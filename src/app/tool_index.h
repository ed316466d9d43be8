#pragma once
// The search index: one entry per tool of the library with the values search and the library
// check look at, read from each tool file once. Plain data; the window and the command line
// query it.

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/library_check.h"
#include "app/tool_list_rows.h"
#include "platform/file_stamp.h"

struct ToolIndexEntry {
    std::string path;           // full path
    std::string relative_path;  // to the library root, '/' separated
    std::string file_name;
    std::string description;  // TP_CDESC
    std::string comment;      // TP_COMMENT

    // The size as the list shows it: TP_BRAD, else half of TP_CDIAM.
    bool has_size = false;
    double radius = 0.0;
    double diameter = 0.0;
    bool has_corner_radius = false;
    double corner_radius = 0.0;
    bool has_number = false;
    int number = 0;
    int shape = kImageFlatEnd;  // the list's rule: kImageFlatEnd, kImageBall or kImageBullNose
    bool fedrix = false;        // a Fedrix file lies beside it (and Fedrix is on)

    // Its own findings, those of its Fedrix file and the library-wide ones naming it.
    std::vector<ToolFinding> findings;

    // The list's row with radii (column 0 the file name, no path), and column 2 with diameters.
    ToolListRow row;
    std::string diameter_column;
    // File name, description and comment folded for search, one per line.
    std::string folded;
};

class ToolIndex {
public:
    // Reads each tool file once; entries whose file stamp is unchanged since the last build are
    // reused. The library's folders are walked as the tree walks them (link loops and dangling
    // links included), entries come in the tree's order. Runs on a worker thread on its own
    // object: it touches no shared state and reports nothing. progress(done, total) after each
    // tool file; a build stopped through *cancel leaves the index as it was and returns false.
    bool Build(const std::string& tool_directory, bool fedrix_enabled,
               const std::function<void(std::size_t, std::size_t)>& progress = {},
               const std::atomic<bool>* cancel = nullptr);

    const std::vector<ToolIndexEntry>& entries() const { return entries_; }
    // The entry of the tool file at this path, spelled as the walk spelled it; nullptr if none.
    const ToolIndexEntry* Find(const std::string& path) const;
    // Every finding in library order: per folder its subfolders first, then its tools (each
    // with its findings), then the Fedrix files without a tool.
    const std::vector<ToolFinding>& findings() const { return findings_; }

private:
    struct Kept {
        platform::FileStamp stamp;
        std::size_t own_findings = 0;  // the entry's findings that come from its file alone
    };
    struct KeptFedrix {
        platform::FileStamp stamp;
        std::vector<ToolFinding> findings;
    };

    // The findings of a tool's Fedrix file, kept from the last build while it is unchanged.
    KeptFedrix CheckFedrix(const std::string& path) const;

    std::vector<ToolIndexEntry> entries_;
    std::vector<Kept> kept_;  // one per entry
    std::unordered_map<std::string, std::size_t> by_path_;
    std::vector<ToolFinding> findings_;
    std::unordered_map<std::string, KeptFedrix> fedrix_;
};
