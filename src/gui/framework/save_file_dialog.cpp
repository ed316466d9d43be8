#include "gui/framework/save_file_dialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include "gui/framework/installation_text.h"
#include "language/message_presenter.h"

namespace {

bool writable(const QFileInfo& info) {
    return (info.permissions() & QFileDevice::WriteOwner) && info.isWritable();
}

int tell(const char* text, const QString& path, int buttons) {
    const QString message =
        QCoreApplication::translate("QFileDialog", text).arg(QDir::toNativeSeparators(path));
    return message_presenter().PresentPlain(toInstallationText(message), buttons, kIconExclamation);
}

}  // namespace

QStringList nameFiltersOf(const std::string& filter) {
    const QStringList parts = fromInstallationText(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        if (description.isEmpty() && patterns.isEmpty()) {
            break;
        }
        if (patterns.isEmpty()) {
            continue;
        }
        const QString bracketed = QStringLiteral("(") + patterns + QStringLiteral(")");
        filters.append(description.endsWith(bracketed)
                           ? description
                           : description + QStringLiteral(" ") + bracketed);
    }
    return filters;
}

SaveFileDialog::SaveFileDialog(QWidget* parent, const SaveFileRequest& request)
    : QFileDialog(parent, fromInstallationText(request.title), fromFileName(request.folder)) {
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    const QStringList filters = nameFiltersOf(request.filter);
    if (!filters.isEmpty()) {
        setNameFilters(filters);
    }
    QString suffix = fromInstallationText(request.default_extension);
    while (suffix.startsWith(u'.')) {
        suffix.remove(0, 1);
    }
    setDefaultSuffix(suffix);
    // With several formats on offer, a name typed without an extension takes the chosen one's.
    if (filters.size() > 1) {
        connect(this, &QFileDialog::filterSelected, this, [this](const QString& filter) {
            const qsizetype star = filter.indexOf(QStringLiteral("(*."));
            if (star >= 0) {
                const qsizetype end =
                    filter.indexOf(QRegularExpression(QStringLiteral("[ )]")), star + 3);
                setDefaultSuffix(filter.mid(star + 3, end - star - 3));
            }
        });
    }
    if (!request.file_name.empty()) {
        selectFile(fromFileName(request.file_name));
    }
}

void SaveFileDialog::accept() {
    const QStringList files = selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) {
        return;
    }
    const QFileInfo file(files.front());
    if (file.isDir()) {
        QFileDialog::accept();  // opens the folder
        return;
    }
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir() || !writable(folder)) {
        tell(kFolderRefusal, folder.absoluteFilePath(), kButtonsOk);
        return;
    }
    if (file.exists()) {
        if (!writable(file)) {
            tell(kReadOnlyRefusal, file.absoluteFilePath(), kButtonsOk);
            return;
        }
        if (tell(kReplaceQuestion, file.absoluteFilePath(), kButtonsYesNo) != kAnswerYes) {
            return;
        }
    }
    QFileDialog::accept();
}
