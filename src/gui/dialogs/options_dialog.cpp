#include "gui/dialogs/options_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/file_utilities.h"
#include "app/window_messages.h"
#include "gui/framework/control_ids.h"
#include "gui/framework/dialog_units.h"
#include "gui/framework/installation_text.h"
#include "language/message_presenter.h"

namespace {

constexpr int kWidth = 324;
constexpr int kHeight = 197;

// The template's controls in dialog units.
struct Control {
    int id;  // 0 for the group boxes
    const char* caption;
    int left, top, width, height;
};
constexpr Control kDirectoryLabelControl = {
    COptionsDlg::kDirectoryLabel, "Tool Directory:", 7, 10, 60, 8};
constexpr Control kDirectoryEditControl = {COptionsDlg::kDirectoryEdit, "", 68, 8, 224, 13};
constexpr Control kBrowseControl = {COptionsDlg::kBrowseButton, "...", 296, 8, 21, 13};
constexpr Control kMessagesGroup = {0, "Messages", 7, 28, 310, 32};
constexpr Control kInconsistenciesControl = {
    COptionsDlg::kInconsistenciesCheck, "Tool Inconsistencies", 15, 41, 160, 10};
constexpr Control kColumnsGroup = {0, "Spaltenanzeige", 7, 66, 310, 100};
constexpr Control kColumnListControl = {COptionsDlg::kColumnListPlaceholder, "", 15, 78, 294, 80};
constexpr Control kOkControl = {kAnswerOk, "OK", 213, 176, 50, 14};
constexpr Control kCancelControl = {kAnswerCancel, "Cancel", 267, 176, 50, 14};

// The third text of the column list's rows; the first two are empty.
constexpr const char* kColumnRows[] = {"Werkzeugradius", "Eckenradius", "Aufma\xDF"};

constexpr char kBrowseTitle[] = "Choose Tool Directory";

template <typename Widget>
Widget* make(QWidget* parent, const DialogUnits& units, const Control& control,
             const char* resourceName = nullptr) {
    auto* widget = new Widget(parent);
    if (control.id != 0) {
        setControlId(widget, control.id, resourceName);
    }
    widget->setGeometry(units.rect(control.left, control.top, control.width, control.height));
    return widget;
}

}  // namespace

COptionsDlg::COptionsDlg(const std::string& toolDirectory, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      toolDirectory_(toolDirectory) {
    const DialogUnits units(font());
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(units.x(kWidth), units.y(kHeight));

    auto* label = make<QLabel>(this, units, kDirectoryLabelControl);
    label->setText(QString::fromLatin1(kDirectoryLabelControl.caption));
    directoryEdit_ = make<QLineEdit>(this, units, kDirectoryEditControl);
    label->setBuddy(directoryEdit_);
    auto* browse = make<QPushButton>(this, units, kBrowseControl);
    browse->setText(QString::fromLatin1(kBrowseControl.caption));
    browse->setAutoDefault(false);
    browse->setAccessibleName(QString::fromLatin1(kBrowseTitle));
    connect(browse, &QPushButton::clicked, this, &COptionsDlg::browse);

    auto* messages = make<QGroupBox>(this, units, kMessagesGroup);
    messages->setTitle(QString::fromLatin1(kMessagesGroup.caption));
    auto* check = make<QCheckBox>(this, units, kInconsistenciesControl);
    check->setText(QString::fromLatin1(kInconsistenciesControl.caption));

    auto* columns = make<QGroupBox>(this, units, kColumnsGroup);
    columns->setTitle(QString::fromLatin1(kColumnsGroup.caption));
    auto* placeholder = make<QLabel>(this, units, kColumnListControl);
    placeholder->hide();
    columnList_ = new QTreeWidget(this);
    columnList_->setGeometry(placeholder->geometry());
    columnList_->setColumnCount(3);
    columnList_->setHeaderHidden(true);
    columnList_->setRootIsDecorated(false);
    // The first two texts are empty: narrow columns keep the third beside the check box.
    for (int column = 0; column < 2; ++column) {
        columnList_->setColumnWidth(column, units.x(12));
    }
    columnList_->setAccessibleName(columns->title());
    for (const char* text : kColumnRows) {
        auto* row =
            new QTreeWidgetItem(columnList_, {QString(), QString(), fromInstallationText(text)});
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, Qt::Unchecked);
    }

    auto* ok = make<QPushButton>(this, units, kOkControl, "IDOK");
    ok->setText(QString::fromLatin1(kOkControl.caption));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = make<QPushButton>(this, units, kCancelControl, "IDCANCEL");
    cancel->setText(QString::fromLatin1(kCancelControl.caption));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    directoryEdit_->setText(fromFileName(toolDirectory_));
}

void COptionsDlg::browse() {
    if (BrowseForDirectory(this, kBrowseTitle, toolDirectory_)) {
        directoryEdit_->setText(fromFileName(toolDirectory_));
    }
}

void COptionsDlg::accept() {
    // Stored absolute: the settings keep the directory beyond this run's current directory. A
    // missing directory is taken (the tree is then empty); a file is no tool library.
    const std::string directory = AbsoluteDirectory(toFileName(directoryEdit_->text()));
    if (NamesNonDirectory(directory)) {
        ReportNotADirectory(directory);
        directoryEdit_->setFocus();
        directoryEdit_->selectAll();
        return;
    }
    toolDirectory_ = directory;
    QDialog::accept();
}
