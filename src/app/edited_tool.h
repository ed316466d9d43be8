#pragma once
// The tool the main window shows and edits: whether its file holds a tool, and where Save As
// proposes to write it. The proposal follows the shown tool, never the selection, which a key,
// the list or assistive technology may have moved before the save is asked for.

#include <string>

class ToolParameterSet;

// Only a regular file is read as a tool: a FIFO would wait for a writer that never comes, and a
// device holds no tool. Checked before anything opens the file.
bool MayReadAsToolFile(const std::string& path);

// After the load: a file that could not be read, or that holds bytes but not a single parameter
// line, holds no tool. An empty file is a tool without parameters.
bool HoldsReadableTool(const ToolParameterSet& tool);

// Both checks on the file as it is now, for a file that is not the one loaded.
bool IsReadableToolFile(const std::string& path);

struct SaveProposal {
    std::string folder;
    std::string file_name;
};

// A shown tool file proposes its own name in its folder; a shown folder proposes itself with
// `description` (the tool page's) as the name; nothing shown proposes the tool directory.
SaveProposal ProposeSaveAs(const std::string& shown_path, bool shown_is_tool,
                           const std::string& description, const std::string& tool_directory);
