#pragma once
// The program's command line: the change file to write on Close and the toolpath number.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CutBaseCmdLine {
public:
    static constexpr int kStateOutputFile = 0;
    static constexpr int kStateToolpathNumber = 1;
    static constexpr int kStateIdle = 2;

    // One token, flags without their leading "-" or "/". A toolpath number of 0, a number that
    // is not one, or a bare parameter before any valid number raises CUTBASE_TPNUM_UNKNOWN;
    // parsing always goes on.
    void ParseParam(std::string_view token, bool flag, bool last);

    const std::string& OutputFile() const { return output_file_; }
    std::int32_t ToolpathNumber() const { return toolpath_number_; }
    int ParseState() const { return parse_state_; }

private:
    std::string output_file_ = "cutter.out";
    std::int32_t toolpath_number_ = 0;
    int parse_state_ = kStateIdle;
};

// Feeds every argument (without the program name) to `command_line`, one token each. A token
// that starts with "-" is a flag; one that starts with "/" is a flag only when it is "/o" or
// "/tpnum", since every other such token is an absolute path.
void ParseCommandLine(CutBaseCmdLine& command_line, const std::vector<std::string>& arguments);
