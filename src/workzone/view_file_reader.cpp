#include "workzone/view_file_reader.h"

ViewFileReader::ViewFileReader(const std::optional<std::string>& path, int kind,
                               MachiningZoneView& view)
    : TextFileReader(path, kind, kRead), view_(view) {}

bool ViewFileReader::Parse(const std::string& text) {
    if (kind() != kFileKindView) {
        return parse_view_text(text, view_);
    }
    MachiningZoneView named;
    if (!parse_view_text(text, named)) {
        return false;
    }
    view_.has_named_view = true;
    view_.named_view_transform = named.transform;
    return true;
}
