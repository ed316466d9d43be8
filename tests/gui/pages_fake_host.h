#pragma once
// The main window as the property pages see it, and helpers and fixtures for the page tests.

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <initializer_list>
#include <string>

#include "gui/framework/control_ids.h"
#include "gui/framework/installation_text.h"
#include "gui/pages/field_host.h"
#include "gui_test.h"
#include "language/language_selection.h"
#include "scripted_presenter.h"
#include "support/test_support.h"
#include "tool/fake_toolpath.h"
#include "tool/tool_parameter_set.h"

namespace guitest {

// A parameter a test gives the tool: a real, or a text.
struct Given {
    Given(ParameterIndex at, float real) : index(at) { value.real = real; }
    Given(ParameterIndex at, const char* text) : index(at) { value.text = text; }
    ParameterIndex index;
    ParameterValue value;
};

class FakeFieldHost : public FieldHost {
public:
    explicit FakeFieldHost(std::initializer_list<Given> given = {}) { give(given); }

    ToolParameterSet* CurrentTool() override { return &tool; }
    const ToolpathValues& Toolpath() const override { return toolpath; }
    bool DiameterMode() const override { return diameterMode; }
    int AutoFlags() const override { return autoFlags; }
    void SetAutoFlags(int flags) override { autoFlags = flags; }
    bool AutoFlagsFromTool() const override { return autoFlagsFromTool; }
    const LanguageFile* Language() const override { return language; }
    std::string WorkzoneDirectory() const override { return workzone; }
    std::int32_t CommandLineToolpathNumber() const override { return toolpathNumber; }
    void FieldStored() override {
        ++stored;
        onStored();
    }

    void give(std::initializer_list<Given> given) {
        for (const Given& parameter : given) {
            tool.SetByIndex(parameter.index, parameter.value);
        }
    }

    ToolParameterSet tool;
    FakeToolpath toolpath;
    bool diameterMode = false;
    int autoFlags = 0;
    bool autoFlagsFromTool = false;
    const LanguageFile* language = nullptr;
    std::string workzone;
    std::int32_t toolpathNumber = 0;
    std::function<void()> onStored = [] {};  // the main window marks its pages modified
    int stored = 0;
};

// "NAME=VALUE" in the tool's order, values as a tool file writes them.
inline QStringList parametersOf(const ToolParameterSet& tool) {
    QStringList list;
    for (const ToolParameter& parameter : tool.parameters()) {
        list << fromInstallationText(parameter.name + "=" + FormatParameterValue(parameter));
    }
    return list;
}

inline QLineEdit* edit(const QWidget* page, int id) {
    return findControl<QLineEdit>(page, id);
}
inline QAbstractButton* button(const QWidget* page, int id) {
    return findControl<QAbstractButton>(page, id);
}

// Text of an edit, "x"/"o" of a button, "L" else; "~" when disabled.
inline QString shown(const QWidget* page, std::initializer_list<int> ids) {
    QStringList seen;
    for (int id : ids) {
        const QWidget* control = findControl(page, id);
        const auto* box = qobject_cast<const QAbstractButton*>(control);
        const auto* line = qobject_cast<const QLineEdit*>(control);
        seen << (box    ? (box->isChecked() ? "x" : "o")
                 : line ? line->text()
                        : "L") +
                    (control->isEnabled() ? "" : "~");
    }
    return seen.join(u' ');
}

inline void click(const QWidget* page, int id) {
    QAbstractButton* target = button(page, id);
    QVERIFY2(target != nullptr && target->isEnabled(), qPrintable(QString::number(id)));
    target->click();
}

// The accessible Toggle action, as assistive technology gives it.
inline void toggle(const QWidget* page, int id) {
    QAccessible::queryAccessibleInterface(button(page, id))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
}

// The tool's parameters after a click of the user's on the page.
inline QStringList afterClick(FakeFieldHost& host, const QWidget* page, int id) {
    click(page, id);
    return parametersOf(host.tool);
}

inline QStringList tabTexts(const QTabWidget& sheet) {
    QStringList texts;
    for (int i = 0; i < sheet.count(); ++i) {
        texts << sheet.tabText(i);
    }
    return texts;
}

// The controls of a shown page that stick out of it or are narrower than their caption needs.
inline QStringList cutControls(const QWidget* page) {
    QStringList cut;
    for (const QWidget* control : page->findChildren<QWidget*>()) {
        const QRect inPage(control->mapTo(page, QPoint(0, 0)), control->size());
        if (!page->rect().contains(inPage) ||
            control->width() < control->minimumSizeHint().width()) {
            cut << control->objectName();
        }
    }
    return cut;
}

class PagesLanguageFile {
public:
    explicit PagesLanguageFile(const std::string& sections) : file_("KvxCutterBase") {
        const std::string path =
            temp_.write("KvxCutterBase.all",
                        "[T.A.L.M.O.R.]\r\nPRODUCT=KvxCutterBase\r\nall=Deutsch\r\n" + sections);
        file_.SetPath(path, 0);
        file_.Check();
    }
    const LanguageFile& file() const { return file_; }

private:
    testsupport::TempDir temp_;
    LanguageFile file_;
};

}  // namespace guitest
