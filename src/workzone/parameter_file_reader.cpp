#include "workzone/parameter_file_reader.h"

#include <cstdio>
#include <istream>
#include <memory>
#include <streambuf>

#include "platform/filesystem.h"

namespace {

// A read-only stream over an opened file, so that reading stops after the file's 140 items
// instead of taking in whatever follows them.
class FileStreamBuffer : public std::streambuf {
public:
    explicit FileStreamBuffer(std::FILE* file) : file_(file) {}

protected:
    int_type underflow() override {
        const std::size_t got = std::fread(buffer_, 1, sizeof buffer_, file_);
        if (got == 0) {
            return traits_type::eof();
        }
        setg(buffer_, buffer_, buffer_ + got);
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    std::FILE* file_;
    char buffer_[4096];
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

ParameterFileReader::ParameterFileReader(const std::optional<std::string>& path, int mode,
                                         ParameterItems& items, ParameterLabels labels)
    : DataFileReader(path, kFileKindToolParameters, mode),
      items_(items),
      labels_(std::move(labels)) {}

int ParameterFileReader::ReadStep() {
    const std::unique_ptr<std::FILE, FileCloser> file(platform::open_regular_stream(path()));
    if (!file) {
        return kDataFileBadPath;
    }
    FileStreamBuffer buffer(file.get());
    std::istream in(&buffer);
    read_parameter_items(in, items_);
    return kDataFileOk;
}

int ParameterFileReader::WriteStep() {
    return write_parameter_file(path(), items_, labels_) ? kDataFileOk : kDataFileWriteFailed;
}
