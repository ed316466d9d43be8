#pragma once
// Reader of a toolpath's view file (".mul") and of a named view's transformation (".trn").

#include "workzone/data_file_reader.h"
#include "workzone/toolpath_geometry.h"
#include "workzone/workzone_paths_kinds.h"

class ViewFileReader : public TextFileReader {
public:
    // kind kFileKindToolView replaces the view; kFileKindView sets its named-view
    // transformation only.
    ViewFileReader(const std::optional<std::string>& path, int kind, MachiningZoneView& view);

protected:
    bool Parse(const std::string& text) override;

private:
    MachiningZoneView& view_;
};
