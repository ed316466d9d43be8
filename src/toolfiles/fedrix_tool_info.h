#pragma once
// The Fedrix settings of one tool: an initialisation file beside the tool file, with the tool's
// path and the extension ".ncs".

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "language/ini_file.h"

class FedrixToolInfo : public IniFile {
public:
    // Every value starts at its default; an empty path gives an object that only supplies them.
    explicit FedrixToolInfo(const std::string& path = {});

    // Checks the type marker, then reads every value (a missing key keeps the value held so
    // far; a real beyond the float range reads as 0, an integer beyond 32 bits as the nearest
    // 32-bit limit), all from one parse of the file. A file
    // that cannot be read or is of another kind is announced in a plain message box and
    // changes nothing. Runs with the file as the current profile.
    bool Read();
    // Whether the last Read accepted the file.
    bool ReadSucceeded() const { return read_succeeded_; }
    // Writes the file afresh with exactly these entries, atomically.
    bool Save() { return ResetFile(true); }

    // One entry of the file, in the order Write writes them, with the text written for it.
    struct Entry {
        const char* section;
        const char* key;
        std::string text;
    };
    std::vector<Entry> Entries() const;

    // The values with their defaults. Reals are doubles, so that a value with three decimals is
    // written back exactly as it was read.
    std::string type_marker = "Fedrix Tool Information";
    bool optimize_feed_rates = true;
    std::int32_t min_feed_rate = 250;
    std::int32_t max_feed_rate = 0;
    double start_depth = 0.8;
    double max_depth = 3.5;
    double max_cut_height = 0.0;
    std::int32_t plunge_continuous_adaptation = 1;
    std::int32_t ramp_feed_rate = 0;
    double ramp_angle = 0.0;
    double plunge_factor = 1.0;
    double plunge_start_angle = 1.0;
    double plunge_end_angle = 70.0;
    double unsymmetry_factor = 1.0;
    double drag_factor = 1.0;
    double drag_start_angle = 1.0;
    double drag_end_angle = 70.0;
    double climb_factor = 1.0;
    double entangulation_start_angle = 10.0;
    double entangulation_end_angle = 90.0;
    double entangulation_factor = 1.0;
    std::int32_t air_cut_feed_rate = 0;
    bool air_cut_optimization = false;
    bool retraction_optimization = false;
    double stock_distance = 0.0;
    double feed_rate_per_tooth = 0.0;
    std::int32_t number_of_teeth = 0;
    bool spindle_speed_optimization = false;

protected:
    void Write() override;
    int OnFileFound() override { return Read() ? 1 : 0; }

private:
    // Visits every value in the order Write writes them.
    template <typename Visitor>
    void VisitValues(Visitor&& visit);
    template <typename Visitor>
    void VisitValues(Visitor&& visit) const;

    bool read_succeeded_ = false;
};

// The Fedrix file of a tool file: its path up to the last point, then ".ncs".
std::string FedrixFilePath(const std::string& tool_file_path);

// What lies at a Fedrix file's path (found ignoring case); read without a word to the user.
enum class FedrixFileKind {
    None,      // nothing
    NotAFile,  // something that is not a regular file: a folder, a device, a dangling link
    Foreign,   // a regular file that cannot be read or is of another kind
    Fedrix,    // a Fedrix file
};
FedrixFileKind ProbeFedrixFile(const std::string& path);

// Asks whether the file at `path`, not a Fedrix file we could read, may be replaced by the
// tool's settings (`replace`) or deleted; true for Yes.
bool AskToDestroyForeignFedrixFile(const std::string& path, bool replace);
