#pragma once
// The current profile: the initialisation file that the profile functions below and the typed
// functions read and write. Whoever switches it restores the previous one afterwards.

#include <cstdint>
#include <string>

// Makes `path` the current profile and returns the previous one.
std::string set_current_profile(const std::string& path);
const std::string& current_profile();

// Switches for the life of the object.
class ProfileSwitch {
public:
    explicit ProfileSwitch(const std::string& path) : previous_(set_current_profile(path)) {}
    ~ProfileSwitch() { set_current_profile(previous_); }
    ProfileSwitch(const ProfileSwitch&) = delete;
    ProfileSwitch& operator=(const ProfileSwitch&) = delete;

private:
    std::string previous_;
};

// While the object lives, the profile functions read `path` from one parse of the file, made
// now or by an enclosing reading or rewrite of the same path: values read one by one from disk
// could mix two versions of a file that is being replaced. Writes still go to the file.
class ProfileReading {
public:
    explicit ProfileReading(const std::string& path);
    ~ProfileReading();
    ProfileReading(const ProfileReading&) = delete;
    ProfileReading& operator=(const ProfileReading&) = delete;

    // False when the file exists but could not be read; its keys then read as missing.
    bool Readable() const { return readable_; }

private:
    std::string path_;
    bool owner_ = false;
    bool readable_ = true;
};

// Value of a key in the current profile, or the default (trailing spaces removed) when the
// profile, section or key is missing.
std::string read_profile_string(const std::string& section, const std::string& key,
                                const std::string& default_value);
// Decimal integer with optional sign; a value that does not start with a number gives 0, a
// missing key the default.
std::int32_t read_profile_int(const std::string& section, const std::string& key,
                              std::int32_t default_value);
bool write_profile_string(const std::string& section, const std::string& key,
                          const std::string& value);
bool write_profile_int(const std::string& section, const std::string& key, std::int32_t value);
// Removes the key's line; a missing key is not an error.
bool delete_profile_key(const std::string& section, const std::string& key);
