#pragma once
// A file being rewritten as a whole: while the object lives, the profile functions read and
// write an in-memory document for that path, and Commit replaces the file in one step.

#include <string>

class ProfileRewrite {
public:
    // `start_empty`: the new file holds only what is written now; else it starts from the file.
    ProfileRewrite(const std::string& path, bool start_empty);
    ~ProfileRewrite();
    ProfileRewrite(const ProfileRewrite&) = delete;
    ProfileRewrite& operator=(const ProfileRewrite&) = delete;

    // False when the old file could not be read: the rewrite would lose its contents.
    bool Ready() const { return ready_; }
    // Replaces the file; a fresh file with nothing written in it is deleted instead.
    bool Commit();

private:
    std::string path_;
    bool start_empty_;
    bool ready_ = false;
};
