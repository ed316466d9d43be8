#include "app/edited_tool.h"

#include <filesystem>
#include <system_error>

#include "app/path_parts.h"
#include "platform/filesystem.h"
#include "tool/tool_parameter_set.h"

bool MayReadAsToolFile(const std::string& path) {
    return platform::is_regular_file(path);
}

bool HoldsReadableTool(const ToolParameterSet& tool) {
    if (!tool.loaded()) {
        return false;
    }
    if (!tool.parameters().empty()) {
        return true;
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(platform::resolve_case(tool.path()), error);
    return !error && size == 0;
}

bool IsReadableToolFile(const std::string& path) {
    if (!MayReadAsToolFile(path)) {
        return false;
    }
    ToolParameterSet tool;
    tool.Load(path);
    return HoldsReadableTool(tool);
}

SaveProposal ProposeSaveAs(const std::string& shown_path, bool shown_is_tool,
                           const std::string& description, const std::string& tool_directory) {
    if (shown_path.empty()) {
        return {tool_directory, description};
    }
    if (shown_is_tool) {
        return {DirectoryPart(shown_path), FileNamePart(shown_path, true)};
    }
    return {shown_path, description};
}
