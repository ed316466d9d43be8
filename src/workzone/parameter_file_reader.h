#pragma once
// The reader of a toolpath's parameter file (mode 2 reads into `items`, mode 1 writes them).

#include "workzone/data_file_reader.h"
#include "workzone/parameter_file.h"
#include "workzone/workzone_paths_kinds.h"

class ParameterFileReader : public DataFileReader {
public:
    ParameterFileReader(const std::optional<std::string>& path, int mode, ParameterItems& items,
                        ParameterLabels labels = {});

protected:
    int ReadStep() override;
    int WriteStep() override;

private:
    ParameterItems& items_;
    ParameterLabels labels_;
};
