#include "workzone/parameter_file_reader.h"

#include <fstream>

#include "platform/filesystem.h"

ParameterFileReader::ParameterFileReader(const std::optional<std::string>& path, int mode,
                                         ParameterItems& items, ParameterLabels labels)
    : DataFileReader(path, kFileKindToolParameters, mode),
      items_(items),
      labels_(std::move(labels)) {}

int ParameterFileReader::ReadStep() {
    std::ifstream in(platform::resolve_case(path()), std::ios::binary);
    if (!in.is_open()) {
        return kDataFileBadPath;
    }
    read_parameter_items(in, items_);
    return kDataFileOk;
}

int ParameterFileReader::WriteStep() {
    return write_parameter_file(path(), items_, labels_) ? kDataFileOk : kDataFileWriteFailed;
}
