#include "gui/pages/field_host.h"

#include <QWidget>

#include "tool/tool_parameter_set.h"
#include "tool/toolpath_values.h"
#include "workzone/toolpath_reader.h"

bool FieldHost::LoadField(QWidget* control, ParameterIndex index, ParameterValue& value) {
    ToolParameterSet* tool = CurrentTool();
    const bool applied = tool != nullptr && tool->GetByIndex(index, value);
    if (control != nullptr) {
        control->setEnabled(applied);
    }
    if (!applied) {
        // A value the toolpath does not have must not clear the one shown.
        ParameterValue toolpath = value;
        if (Toolpath().ReadByIndex(index, toolpath)) {
            value = toolpath;
        }
    }
    return applied;
}

void FieldHost::StoreField(QWidget* control, ParameterIndex index, bool applied,
                           const ParameterValue& value) {
    if (control != nullptr) {
        control->setEnabled(applied);
    }
    ToolParameterSet* tool = CurrentTool();
    if (tool == nullptr) {
        return;
    }
    if (applied) {
        tool->SetByIndex(index, value);
    } else {
        tool->RemoveByIndex(index);
    }
    FieldStored();
}

void FieldHost::SetFieldValue(ParameterIndex index, const ParameterValue& value) {
    if (ToolParameterSet* tool = CurrentTool()) {
        tool->SetValueByIndex(index, value);
    }
}

int FieldHost::PublicToolpathType() const {
    ParameterValue type;
    Toolpath().ReadByIndex(kTpType, type);
    return ToolpathTypeNumber(type.text);
}
