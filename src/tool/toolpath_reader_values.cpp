#include "tool/toolpath_reader_values.h"

bool ToolpathReaderValues::ReadByIndex(ParameterIndex index, ParameterValue& value) const {
    switch (ParameterKindOf(index)) {
        case ParameterKind::Real:
            return reader_.ReadIndexed(index, value.real);
        case ParameterKind::Integer:
            return reader_.ReadIndexed(index, value.integer);
        case ParameterKind::Text:
        case ParameterKind::None:
            break;
    }
    return reader_.ReadIndexed(index, value.text);
}
