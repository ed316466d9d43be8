#pragma once
// What the property pages know of the main window: the current tool, the toolpath's values, the
// diameter switch, the AutoFlags kept for the current tool and the active language file. The
// main window implements the state; the field operations built on it are the same for every
// host, so that the pages are built and tested before the main window exists.

#include <cstdint>
#include <string>

#include "tool/parameter_table.h"
#include "tool/tool_parameter.h"

class LanguageFile;
class QWidget;
class ToolParameterSet;
class ToolpathValues;

class FieldHost {
public:
    virtual ~FieldHost() = default;

    // The tool being edited; null when there is none.
    virtual ToolParameterSet* CurrentTool() = 0;
    virtual const ToolpathValues& Toolpath() const = 0;
    // Sizes are shown and typed as diameters.
    virtual bool DiameterMode() const = 0;
    // The TP_AUTOFLAGS value the pages show and change, and whether it came from the tool.
    virtual int AutoFlags() const = 0;
    virtual void SetAutoFlags(int flags) = 0;
    virtual bool AutoFlagsFromTool() const = 0;
    // The language file the captions come from; null when none is active.
    virtual const LanguageFile* Language() const = 0;
    // StoreField changed the tool: the tool is modified, and so are the tool and security pages.
    virtual void FieldStored() = 0;
    // Where "Default" of the Fedrix page finds the level file: the workzone directory and the
    // toolpath number of the command line. A host without a workzone has neither.
    virtual std::string WorkzoneDirectory() const { return {}; }
    virtual std::int32_t CommandLineToolpathNumber() const { return 0; }
    // The toolpath's public type number; by default its TP_TYPE text read as a number.
    virtual int PublicToolpathType() const;

    // Whether the tool has the parameter; `value` gets the tool's value, or else the toolpath's
    // (left as it was when the toolpath has none either). `control`, when given, is enabled
    // exactly when the tool has the parameter.
    bool LoadField(QWidget* control, ParameterIndex index, ParameterValue& value);
    // The page has exchanged its controls first. Enables `control` (when given) per `applied`,
    // then adds or replaces the parameter when applied and removes it when not.
    void StoreField(QWidget* control, ParameterIndex index, bool applied,
                    const ParameterValue& value);
    // Changes the value of a parameter the tool has; an absent one stays absent.
    void SetFieldValue(ParameterIndex index, const ParameterValue& value);
};
