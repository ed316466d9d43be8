#include "gui/main/save_check.h"

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/library_check.h"
#include "app/window_messages.h"
#include "gui/pages/fedrix_page.h"
#include "tool/tool_parameter_set.h"
#include "toolfiles/fedrix_tool_info.h"

bool MaySaveDespiteErrors(const ToolParameterSet& tool, CPageFedrix* fedrix) {
    // The rules read files: the tool is written where nobody else looks, as Save would write it.
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        return true;
    }
    const std::string path = folder.filePath(QStringLiteral("tool.wkz")).toStdString();
    ToolParameterSet written = tool;
    if (!written.Save(path)) {
        return true;
    }
    std::vector<ToolFinding> findings = CheckToolFile(path);
    if (fedrix != nullptr) {
        FedrixToolInfo info(FedrixFilePath(path));
        if (fedrix->StorePages(info) && info.Save()) {
            for (ToolFinding& finding : CheckFedrixFile(FedrixFilePath(path))) {
                findings.push_back(std::move(finding));
            }
        }
    }
    std::vector<ToolFinding> errors;
    for (ToolFinding& finding : findings) {
        if (finding.severity == FindingSeverity::Error) {
            errors.push_back(std::move(finding));
        }
    }
    return errors.empty() || AskSaveToolWithErrors(errors);
}
