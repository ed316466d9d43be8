#include "workzone/data_file_reader.h"

#include <cstdio>

#include "platform/filesystem.h"

DataFileReader::DataFileReader(const std::optional<std::string>& path, int kind, int mode)
    : kind_(kind), mode_(mode) {
    if (path) {
        path_failed_ = !SetPath(*path);
    }
}

bool DataFileReader::SetPath(const std::string& path) {
    if (path.size() > kDataFilePathMax) {
        path_.clear();
        return false;
    }
    path_ = path;
    return true;
}

int DataFileReader::Run() {
    if (path_failed_) {
        return kDataFileBadPath;
    }
    if (mode_ == kRead && !platform::exists(path_)) {
        return kDataFileMissing;
    }
    if (!used_ && !HeaderMatches()) {
        return kDataFileBadHeader;
    }
    int status = mode_ == kWrite ? WriteStep() : ReadStep();
    if (status == kDataFileOk) {
        used_ = true;
    }
    return status;
}

int read_text_file(const std::string& path, std::string& text) {
    text.clear();
    std::FILE* file = platform::open_regular_stream(path);
    if (file == nullptr) {
        return kDataFileBadPath;
    }
    char block[1024];
    std::size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0) {
        text.append(block, count);
    }
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        text.clear();
        return kDataFileReadFailed;
    }
    for (char& c : text) {
        if (c == '\r') {
            c = ' ';
        }
    }
    return kDataFileOk;
}

int TextFileReader::ReadStep() {
    std::string text;
    int status = read_text_file(path(), text);
    if (status != kDataFileOk) {
        return status;
    }
    return Parse(text) ? kDataFileOk : kDataFileReadFailed;
}
