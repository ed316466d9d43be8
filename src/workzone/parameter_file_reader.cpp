#include "workzone/parameter_file_reader.h"

#include "platform/filesystem.h"

ParameterFileReader::ParameterFileReader(const std::optional<std::string>& path, int mode,
                                         ParameterItems& items, ParameterLabels labels)
    : DataFileReader(path, kFileKindToolParameters, mode),
      items_(items),
      labels_(std::move(labels)) {}

int ParameterFileReader::ReadStep() {
    std::optional<std::string> bytes = platform::read_file(path());
    if (!bytes) {
        return kDataFileBadPath;
    }
    parse_parameter_items(*bytes, items_);
    return kDataFileOk;
}

int ParameterFileReader::WriteStep() {
    return write_parameter_file(path(), items_, labels_) ? kDataFileOk : kDataFileWriteFailed;
}
