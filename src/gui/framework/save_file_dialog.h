#pragma once
// The save-file picker the core's FileChooser promises: Qt's own (non-native) file dialog set up
// from a SaveFileRequest, which adds the default extension, asks before an existing file is
// replaced and refuses a read-only file or a folder that cannot be written to, naming the path
// and staying open. Its questions and refusals are plain messages through the presenter.

#include <QFileDialog>
#include <QStringList>
#include <string>

#include "app/file_chooser.h"

inline constexpr char kReplaceQuestion[] = "%1 already exists.\nDo you want to replace it?";
inline constexpr char kReadOnlyRefusal[] = "%1\nThis file is read-only.\nChoose another file name.";
inline constexpr char kFolderRefusal[] =
    "%1\nThis folder cannot be written to.\nChoose another folder.";

// "Description (*.a)|*.a|Other|*.b;*.c||" as Qt's name filters: "Description (*.a)",
// "Other (*.b *.c)". A pair without patterns is left out.
QStringList nameFiltersOf(const std::string& filter);

class SaveFileDialog : public QFileDialog {
    Q_OBJECT

public:
    SaveFileDialog(QWidget* parent, const SaveFileRequest& request);

public slots:
    void accept() override;
};
