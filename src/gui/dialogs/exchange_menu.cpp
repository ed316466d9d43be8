#include "gui/dialogs/exchange_menu.h"

#include <QApplication>
#include <QMenu>
#include <QProgressDialog>
#include <QTreeWidget>

#include "app/file_chooser.h"
#include "app/path_parts.h"
#include "exchange/exchange_format.h"
#include "exchange/exchange_import.h"
#include "gui/dialogs/exchange_report_dialog.h"
#include "gui/framework/installation_text.h"
#include "gui/main/tree_ctrl_tool.h"
#include "language/builtin_texts.h"
#include "language/message_catalogue.h"
#include "platform/filesystem.h"

namespace {

QString text(BuiltinText which, std::initializer_list<QString> arguments = {}) {
    return exchangeText(static_cast<int>(which), arguments);
}

std::string installationText(BuiltinText which) {
    return builtin_text(which, GetCatalogue()->LanguageIndex());
}

// The folder of a tree item: itself, or a tool's folder.
std::string folderOf(const QTreeWidgetItem* item) {
    const std::string path = CTreeCtrlTool::itemPath(item);
    if (CTreeCtrlTool::itemHasChildren(item)) {
        return path;
    }
    const std::size_t slash = path.rfind(platform::kPathSeparator);
    return slash == std::string::npos ? path : path.substr(0, slash);
}

void showReport(QWidget* owner, const QString& summary, const LossReport& report) {
    ExchangeReportDialog dialog(owner, summary, report);
    dialog.exec();
}

}  // namespace

void InstallExchangeMenu(QTreeWidget* tree, std::function<void()> imported) {
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(tree, &QWidget::customContextMenuRequested, tree,
                     [tree, imported](const QPoint& position) {
                         QTreeWidgetItem* item = tree->itemAt(position);
                         if (item == nullptr) {
                             return;
                         }
                         QMenu* menu = CreateExchangeMenu(tree, folderOf(item), imported);
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->popup(tree->viewport()->mapToGlobal(position));
                     });
}

QMenu* CreateExchangeMenu(QWidget* owner, const std::string& folder,
                          const std::function<void()>& imported) {
    auto* menu = new QMenu(owner);
    QAction* exportAction = menu->addAction(text(BuiltinText::ExchangeExportCaption));
    exportAction->setObjectName(QString::fromLatin1(kExchangeExportAction));
    QAction* importAction = menu->addAction(text(BuiltinText::ExchangeImportCaption));
    importAction->setObjectName(QString::fromLatin1(kExchangeImportAction));
    // Actions are named by their captions without the ellipsis, as a user would say them.
    menu->setAccessibleName(exportAction->text().remove(QStringLiteral("...")) +
                            QStringLiteral(", ") +
                            importAction->text().remove(QStringLiteral("...")));
    QObject::connect(exportAction, &QAction::triggered, owner,
                     [owner, folder] { ExportFolderAsked(owner, folder); });
    QObject::connect(importAction, &QAction::triggered, owner,
                     [owner, folder, imported] { ImportIntoFolderAsked(owner, folder, imported); });
    return menu;
}

namespace {

// Asks where to, then writes what `make` gives for the chosen format and shows the report.
void exportAsked(QWidget* owner, const std::string& folder,
                 const std::function<ExportResult(ExchangeFormat, LossReport&)>& make) {
    FileChooser* chooser = installed_file_chooser();
    if (chooser == nullptr) {
        return;
    }
    SaveFileRequest request;
    request.title = installationText(BuiltinText::ExchangeExportCaption);
    request.folder = folder;
    request.file_name = FileNamePart(folder, true) + ".tbl";
    request.filter = installationText(BuiltinText::ExchangeExportFilter);
    request.default_extension = "tbl";
    const std::optional<std::string> chosen = chooser->choose_save_file(owner, request);
    if (!chosen) {
        return;
    }
    const std::optional<ExchangeFormat> format = ExchangeFormatOfFile(*chosen);
    const ExchangeFormat as = format.value_or(ExchangeFormat::ToolTable);
    LossReport report;
    ExportResult result = make(as, report);
    const std::size_t slash = chosen->rfind(platform::kPathSeparator);
    const std::string into = slash == std::string::npos ? "." : chosen->substr(0, slash);
    if (as == ExchangeFormat::ToolBits) {
        // The library takes the chosen name; the bits go beside it.
        result.files.back().path = FileNamePart(*chosen, true);
    } else if (!result.files.empty()) {
        result.files.front().path = FileNamePart(*chosen, true);
    }
    WriteExportFiles(result.files, into, report);
    showReport(owner,
               text(BuiltinText::ExchangeExported,
                    {QString::number(result.files.size()), fromFileName(*chosen)}),
               report);
}

}  // namespace

void ExportFolderAsked(QWidget* owner, const std::string& folder) {
    exportAsked(owner, folder, [&folder](ExchangeFormat format, LossReport& report) {
        return ExportFolder(folder, format, true, false, report);
    });
}

void ExportToolsAsked(QWidget* owner, const std::string& library,
                      const std::vector<std::string>& paths,
                      const std::vector<std::string>& names) {
    exportAsked(owner, library, [&](ExchangeFormat format, LossReport& report) {
        return ExportTools(LoadTools(paths, names, report), format, false,
                           FileNamePart(library, true) + ".fctl", report);
    });
}

void ImportIntoFolderAsked(QWidget* owner, const std::string& folder,
                           const std::function<void()>& imported) {
    FileChooser* chooser = installed_file_chooser();
    if (chooser == nullptr) {
        return;
    }
    SaveFileRequest request;
    request.title = installationText(BuiltinText::ExchangeImportCaption);
    request.folder = folder;
    request.filter = installationText(BuiltinText::ExchangeImportFilter);
    const std::optional<std::string> chosen = chooser->choose_open_file(owner, request);
    if (!chosen) {
        return;
    }
    LossReport report;
    const std::optional<ExchangeFormat> format = ExchangeFormatOfFile(*chosen);
    SourceRead read = ReadSource(*chosen, format.value_or(ExchangeFormat::Csv), report);
    if (!read.error.empty()) {
        GetCatalogue()->InternalMessage(__FILE__, __LINE__, __DATE__, __TIME__,
                                        installationText(BuiltinText::ExchangeSourceRefused),
                                        kButtonsOk, make_format_arguments(*chosen, read.error));
        return;
    }
    QProgressDialog progress(text(BuiltinText::ExchangeImporting), QString(), 0,
                             static_cast<int>(read.tools.size()), owner);
    progress.setObjectName(QStringLiteral("exchangeProgress"));
    progress.setAccessibleName(progress.labelText());
    progress.setCancelButtonText(
        fromInstallationText(builtin_label(BuiltinLabel::Cancel, GetCatalogue()->LanguageIndex())));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    ImportOptions options;
    options.keep_folders = read.keep_folders;
    const ImportSummary summary = ImportTools(read.tools, folder, options, report,
                                              [&progress](std::size_t done, std::size_t) {
                                                  progress.setValue(static_cast<int>(done));
                                                  QApplication::processEvents();
                                                  return !progress.wasCanceled();
                                              });
    progress.reset();
    QString line = text(BuiltinText::ExchangeSummary,
                        {QString::number(summary.written), QString::number(summary.overwritten),
                         QString::number(summary.skipped), QString::number(summary.failed)});
    if (summary.cancelled) {
        line +=
            u'\n' + text(BuiltinText::ExchangeCancelled, {QString::number(summary.not_reached)});
    }
    if (summary.written + summary.overwritten > 0 && imported) {
        imported();
    }
    showReport(owner, line, report);
}
