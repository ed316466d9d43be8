#pragma once
// The shown tool's files as they were when the window loaded them: the tool file and its Fedrix
// file. Other programs and other users change a shared library while the window is open; before
// the window writes over or deletes a loaded file it compares the disk with these bytes (bytes,
// not times: network shares round times) and asks when they differ. Nothing is written without
// the answer.

#include <functional>
#include <optional>
#include <string>

enum class DiskState { Unchanged, Changed, Removed };

// The first loaded file that differs on disk, and how.
struct DiskDifference {
    DiskState state = DiskState::Unchanged;
    std::string path;
};

class LoadedToolBytes {
public:
    // Reads both files as they are now. `fedrix_path` empty: no Fedrix file is followed. A file
    // that is not there (or is no regular file) is kept as absent; one appearing later is a
    // change.
    void Capture(const std::string& tool_path, const std::string& fedrix_path);
    void Forget();

    bool HoldsTool() const { return !tool_path_.empty(); }
    const std::string& ToolPath() const { return tool_path_; }
    // `path` names the loaded tool file (the same spelling ignoring case, or the same file).
    bool IsToolPath(const std::string& path) const;

    // Tool file first, then the Fedrix file. A tool file absent at the capture counts as removed
    // only when it was there before; nothing captured is Unchanged.
    DiskDifference Compare() const;
    // The bytes of both files on disk now, to tell whether they changed again while a question
    // was open.
    std::string DiskSnapshot() const;

private:
    std::string tool_path_;
    std::string fedrix_path_;
    std::optional<std::string> tool_bytes_;
    std::optional<std::string> fedrix_bytes_;
};

// The answers of the conflict question.
enum class ConflictAnswer { Overwrite, KeepTheirs, Cancel };
// What the window does after the question: write its version, load the file again (dropping the
// edits), or go back to the window with the edits kept.
enum class WriteDecision { Write, Reload, Back };

using ConflictQuestion = std::function<ConflictAnswer(const DiskDifference&)>;

// Compares, and asks while the disk differs from what was loaded. When the files change again
// while the question is open the answer was given for another version: the question comes again
// (a few times at most, then back to the window).
WriteDecision DecideBeforeWrite(const LoadedToolBytes& loaded, const ConflictQuestion& ask);
