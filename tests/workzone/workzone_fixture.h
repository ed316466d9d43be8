#pragma once
// An installation (configuration, toolpath variable information) and an empty workzone, with
// every process-wide table put back around each test.

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
    "[TP_LITYPE]\n1=Vertical\n2=Ramp\n3=Radial\n3.short=Rad\n3.abbr=R.\n4= \tSpiral\n"
    "[TP_TYPE]\n30204=Pencil three\n"
    "[TP_MDIR]\n1=Climb\n2=Conventional\n";

class WorkzoneTest : public ::testing::Test {
protected:
    void SetUp() override {
        write_configuration("");
        home_.write("texte/tpvarinfo.en", kInfoFile);
        env_.set("KVXHOME", home_.path())
            .set("KVXZONE", zone_.path())
            .set("KVXDATA", "data")
            .set("KVXLANG", "en");
        for (const char* name :
             {"KVXUSERAD", "KVXDEBUG", "KVXMENU_MZDEBUG", "TXTPATH", "ENVPATH"}) {
            env_.set(name, std::nullopt);
        }
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

    void write_toolpath(int number, const ParameterItems& items, const std::string& view = "") {
        ASSERT_TRUE(write_parameter_file(zone_.file(ToolpathFileName(number, ".par")), items));
        zone_.write(ToolpathFileName(number, ".mul"), view);
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

// Items of a valid file: item 1 set, the rest as given afterwards.
inline ParameterItems valid_items() {
    ParameterItems items;
    items.set_number(1, 1.0f);
    return items;
}

// A toolpath of type 204 (public 30204) with a bull-nosed cutter R5 r2, a ball second cutter
// r1.5, direction mode 1, a fixed Z-step, a radial lead-in with step type 2 (item 47 = 99) and
// automatic stepover and Z-step (item 60 = 9).
inline ParameterItems sample_items() {
    const std::pair<int, float> numbers[] = {
        {1, 1.0f},     {3, 2.0f},    {4, 5.0f},     {5, 1.5f},     {7, 3.25f},   {8, 1.0f},
        {9, 0.01f},    {10, 0.2f},   {18, 25.0f},   {19, 0.5f},    {20, 2.0f},   {21, 30.0f},
        {23, 1200.0f}, {24, 600.0f}, {25, 5000.0f}, {26, 8000.0f}, {28, 204.0f}, {30, 3.0f},
        {36, 4.0f},    {42, 5.0f},   {47, 99.0f},   {53, 7.0f},    {60, 9.0f}};
    ParameterItems items;
    for (const auto& [item, value] : numbers) {
        items.set_number(item, value);
    }
    items.set_text(61, "roughing");
    items.set_text(67, "bull nose D10 R2");
    items.set_text(82, ".\\bull\\d10r2.wkz");
    return items;
}
