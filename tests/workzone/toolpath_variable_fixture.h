#pragma once
// An installation (configuration, toolpath variable information file) and a workzone for the
// toolpath variable and reader tests, with every process-wide table put back around each test.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "runtime/environment.h"
#include "support/test_support.h"
#include "workzone/axis_system.h"
#include "workzone/parameter_file.h"
#include "workzone/toolpath_details.h"
#include "workzone/toolpath_variable.h"
#include "workzone/toolpath_variable_enum.h"
#include "workzone/toolpath_variable_table.h"
#include "workzone/workzone_paths.h"

inline const char* const kInfoFile =
    "[TP_LITYPE]\n"
    "1=Vertical\n"
    "2=Ramp\n"
    "3=Radial\n"
    "3.short=Rad\n"
    "3.abbr=R.\n"
    "4= \tSpiral\n"
    "[TP_TYPE]\n"
    "30204=Pencil three\n"
    "[TP_MDIR]\n"
    "1=Climb\n"
    "2=Conventional\n";

class ToolpathVariableTest : public ::testing::Test {
protected:
    void SetUp() override {
        write_configuration("");
        home_.write("texte/tpvarinfo.en", kInfoFile);
        env_.set("KVXHOME", home_.path())
            .set("KVXZONE", zone_.path())
            .set("KVXDATA", "data")
            .set("KVXLANG", "en")
            .set("KVXUSERAD", std::nullopt)
            .set("KVXDEBUG", std::nullopt)
            .set("KVXMENU_MZDEBUG", std::nullopt)
            .set("TXTPATH", std::nullopt)
            .set("ENVPATH", std::nullopt);
        reset_state();
    }
    void TearDown() override { reset_state(); }

    static void reset_state() {
        unload_environment();
        reset_axis_systems();
        forget_toolpath_details_load();
        toolpath_details().Reset();
        ReloadVariableTable();
        UnloadToolpathVariableInfo();
    }

    // The configuration with these lines in its section "Karvex files names".
    void write_configuration(const std::string& file_names) {
        const std::string section = file_names.empty() ? "" : "[Karvex files names]\n";
        home_.write("config/environ.cfg", "[var]\n[path]\nENV = " + home_.path() +
                                              "/config\nTXT = " + home_.path() + "/texte\n" +
                                              section + file_names);
    }

    // Parameter and view files of a toolpath in the workzone.
    void write_toolpath(int number, const ParameterItems& items) {
        ASSERT_TRUE(write_parameter_file(zone_.file(ToolpathFileName(number, ".par")), items));
        zone_.write(ToolpathFileName(number, ".mul"), "");
    }

    VariableValue read(const std::string& name_and_suffix, int number = 0) {
        VariableValue value;
        last_status_ = GetToolpathVariable(name_and_suffix, zone_.path(), number, value);
        return value;
    }

    int write(const std::string& name, const VariableValue& value, int number = 0) {
        return SetToolpathVariable(name, zone_.path(), number, value);
    }

    testsupport::TempDir home_;
    testsupport::TempDir zone_;
    testsupport::ScopedEnv env_;
    int last_status_ = -1;
};

// A toolpath of type 204 (public 30204) with a bull-nosed cutter and the tool parameters set.
inline ParameterItems sample_items() {
    ParameterItems items;
    items.set_number(1, 1.0f);
    items.set_number(3, 2.0f);    // corner radius
    items.set_number(4, 5.0f);    // cutter radius
    items.set_number(5, 1.5f);    // second cutter: corner radius only
    items.set_number(7, 3.25f);   // step
    items.set_number(8, 1.0f);    // direction mode 1
    items.set_number(9, 0.01f);   // tolerance
    items.set_number(10, 0.2f);   // stock
    items.set_number(18, 25.0f);  // retract
    items.set_number(19, 0.5f);   // Z-step, fixed
    items.set_number(20, 2.0f);   // approach
    items.set_number(21, 30.0f);  // machining angle
    items.set_number(23, 1200.0f);
    items.set_number(24, 600.0f);
    items.set_number(25, 5000.0f);
    items.set_number(26, 8000.0f);
    items.set_number(28, 204.0f);
    items.set_number(30, 3.0f);   // second sub-mode
    items.set_number(36, 4.0f);   // lead-in radius
    items.set_number(42, 5.0f);   // ramp angle
    items.set_number(47, 99.0f);  // radial lead-in with step type 2
    items.set_number(53, 7.0f);
    items.set_number(60, 9.0f);  // automatic stepover and Z-step
    items.set_text(61, "roughing");
    items.set_text(67, "bull nose D10 R2");
    items.set_text(82, ".\\bull\\d10r2.wkz");
    return items;
}
