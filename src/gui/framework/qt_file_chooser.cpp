#include "gui/framework/qt_file_chooser.h"

#include <QDir>
#include <QFileDialog>

#include "gui/framework/installation_text.h"
#include "gui/framework/save_file_dialog.h"

std::optional<std::string> QtFileChooser::choose_directory(void* owner, const std::string& title) {
    QFileDialog dialog(static_cast<QWidget*>(owner), fromInstallationText(title), QDir::homePath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return toFileName(QDir::toNativeSeparators(dialog.selectedFiles().front()));
}

std::optional<std::string> QtFileChooser::choose_save_file(void* owner,
                                                           const SaveFileRequest& request) {
    SaveFileDialog dialog(static_cast<QWidget*>(owner), request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return toFileName(QDir::toNativeSeparators(dialog.selectedFiles().front()));
}

std::optional<std::string> QtFileChooser::choose_open_file(void* owner,
                                                           const SaveFileRequest& request) {
    QFileDialog dialog(static_cast<QWidget*>(owner), fromInstallationText(request.title),
                       fromFileName(request.folder));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFiltersOf(request.filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return toFileName(QDir::toNativeSeparators(dialog.selectedFiles().front()));
}
