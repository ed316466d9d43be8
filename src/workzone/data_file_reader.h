#pragma once
// The reader object behind every toolpath file: one file, one kind, one direction, and the
// status codes the toolpath load passes on.

#include <optional>
#include <string>

inline constexpr int kDataFileOk = 0;
inline constexpr int kDataFileBadPath = 5;  // path too long, or the file cannot be opened
inline constexpr int kDataFileMissing = 7;
inline constexpr int kDataFileReadFailed = 8;
inline constexpr int kDataFileWriteFailed = 10;
inline constexpr int kDataFileBadHeader = 22;

// Longest path a reader accepts.
inline constexpr std::size_t kDataFilePathMax = 610;

class DataFileReader {
public:
    static constexpr int kWrite = 1;
    static constexpr int kRead = 2;

    DataFileReader(const std::optional<std::string>& path, int kind, int mode);
    virtual ~DataFileReader() = default;
    DataFileReader(const DataFileReader&) = delete;
    DataFileReader& operator=(const DataFileReader&) = delete;

    // Runs the read (mode 2) or write (mode 1) step; a status code above.
    int Run();

    // False (and the path left empty) when longer than kDataFilePathMax.
    bool SetPath(const std::string& path);
    const std::string& path() const { return path_; }
    int kind() const { return kind_; }
    int mode() const { return mode_; }

protected:
    // Kinds with a header check it here on the first use of the reader.
    virtual bool HeaderMatches() { return true; }
    // Each returns kDataFileOk or a failure status (8 / 10 by default, 5 when it cannot open).
    virtual int ReadStep() { return kDataFileReadFailed; }
    virtual int WriteStep() { return kDataFileWriteFailed; }

private:
    std::string path_;
    bool path_failed_ = false;
    int kind_;
    int mode_;
    bool used_ = false;
};

// Reads a whole text file in blocks of 1024 bytes, every carriage return turned into a blank.
// kDataFileBadPath when it cannot be opened, kDataFileReadFailed on a read error.
int read_text_file(const std::string& path, std::string& text);

// A text file reader: the file's text goes to Parse, whose failure gives status 8.
class TextFileReader : public DataFileReader {
public:
    using DataFileReader::DataFileReader;

protected:
    virtual bool Parse(const std::string& text) = 0;
    int ReadStep() override;
};
