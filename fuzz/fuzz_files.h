#pragma once
// Files the harnesses set up once, before the first input: an installation to look into.

#include <cstdio>
#include <cstdlib>
#include <string>

// Writes the bytes or ends the harness: without its files a harness tests nothing.
inline void write_file(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::abort();
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}
