#include "gui/main/cutter_base_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSizeGrip>
#include <vector>

#include "app/edited_tool.h"
#include "app/file_chooser.h"
#include "app/file_utilities.h"
#include "app/path_parts.h"
#include "app/tool_removal.h"
#include "app/window_messages.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/exchange_menu.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/framework/accessible_input.h"
#include "gui/framework/accessible_names.h"
#include "gui/framework/control_ids.h"
#include "gui/framework/data_exchange.h"
#include "gui/framework/desktop_trash.h"
#include "gui/framework/dialog_units.h"
#include "gui/framework/installation_text.h"
#include "gui/framework/layout_manager.h"
#include "gui/main/findings_line.h"
#include "gui/main/language_box.h"
#include "gui/main/list_ctrl_tool.h"
#include "gui/main/main_dialog_controls.h"
#include "gui/main/save_check.h"
#include "gui/main/tool_search.h"
#include "gui/main/tool_search_box.h"
#include "gui/main/tree_ctrl_tool.h"
#include "gui/pages/fedrix_optimize_page.h"
#include "gui/pages/fedrix_page.h"
#include "gui/pages/machine_page.h"
#include "gui/pages/sheet_tool.h"
#include "gui/pages/tool_page.h"
#include "gui/resources/pictures.h"
#include "language/language_codes.h"
#include "language/message_catalogue.h"
#include "platform/ascii_case.h"
#include "platform/filesystem.h"
#include "tool/change_file_message.h"
#include "tool/tool_parameter_set.h"
#include "tool/tool_path_rules.h"
#include "tool/tool_reference.h"
#include "toolfiles/fedrix_tool_info.h"

namespace {

constexpr char kModule[] = "CutterBaseDlg";
constexpr char kUnitsText[] = "mm";
constexpr char kToolFilter[] = "Karvex Tool (*.wkz)|*.wkz||";
constexpr char kToolExtension[] = "wkz";
constexpr int kListEditMargin = 5;

// The about entry (string resource 101): German, else English.
QString aboutEntryText(int languageIndex) {
    return LanguageCode(languageIndex) == std::string("all")
               ? QStringLiteral("Inf&o \u00FCber Karvex - CutterBase...")
               : QStringLiteral("Inf&o about Karvex - CutterBase...");
}

// Whether the layout, placed for `size`, keeps every shown control inside the window, clear of
// the others and at least at its floor size: its smallest usable size, or its template size
// where that is smaller.
bool laidOutCleanly(QWidget* owner, LayoutManager& layout, QSize size) {
    layout.Resize(size.width(), size.height());
    const QRect window(QPoint(0, 0), size);
    for (const LayoutEntry& entry : layout.Entries()) {
        const QSize base(entry.right - entry.left, entry.bottom - entry.top);
        const QSize floor = entry.control->minimumSizeHint().boundedTo(base);
        if (entry.control->width() < floor.width() || entry.control->height() < floor.height()) {
            return false;
        }
    }
    std::vector<QRect> placed;
    for (QWidget* control : owner->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isHidden() || control->isWindow() || qobject_cast<QSizeGrip*>(control)) {
            continue;
        }
        const QRect rect = control->geometry();
        if (!window.contains(rect)) {
            return false;
        }
        for (const QRect& other : placed) {
            if (other.intersects(rect)) {
                return false;
            }
        }
        placed.push_back(rect);
    }
    return true;
}

// A file the window could not write, named in the catalogue's own words.
void reportNotSaved(const std::string& path) {
    Message(kModule, __LINE__, __DATE__, __TIME__, "GENERAL", "GENERAL_CREATION", kButtonsOk, path);
}

}  // namespace

CCutterBaseDlg::CCutterBaseDlg(const std::string& outputFile, std::int32_t toolpathNumber,
                               const LanguageBox* languageBox, QWidget* parent)
    : QDialog(parent),
      outputFile_(outputFile),
      toolpathNumber_(toolpathNumber),
      languageBox_(languageBox) {
    installAccessibleInput();
    buildControls();
    exchangeToControls();
    addAboutEntry();
    setWindowIcon(programIcon());

    std::string application = QCoreApplication::applicationName().toStdString();
    startup_ = ConfigureStartup(application.empty() ? kApplicationName : application);
    if (startup_.cancel) {
        startupCancelled_ = true;
        reject();
        return;
    }
    tool_ = std::make_unique<ToolParameterSet>();
    fedrixEnabled_ = startup_.fedrix_enabled;

    unitsText_ = QString::fromLatin1(kUnitsText);
    const bool toolpathGiven = toolpathNumber_ > 0;
    findControl(this, main_ids::kReadFromToolpath)->setEnabled(toolpathGiven);
    findControl(this, main_ids::kClose)->setEnabled(toolpathGiven);
    toolModified_ = false;
    fedrixModified_ = false;
    RebuildTree();
    findControl(this, main_ids::kFedrix)->setVisible(fedrixEnabled_);
    for (int id : {main_ids::kListDirectory, main_ids::kListLastRow}) {
        findControl<QLineEdit>(this, id)->setTextMargins(kListEditMargin, 0, kListEditMargin, 0);
    }

    sheet_ = new CSheetTool(*this, this);
    sheet_->setWindowTitle(QStringLiteral("Sheet Tools "));
    sheet_->setGeometry(findControl(this, main_ids::kSheetPlace)->geometry());
    sheet_->show();
    createList();
    createSearch();
    followLibrary();

    readToolpathType();
    applyLanguageTexts();
    registerLayout();
    limitWindowSize();
    connectCommands();

    ShowTool(InitialSelection(), true, true);
    toolChanged_ = false;
    placeWindow();
}

CCutterBaseDlg::~CCutterBaseDlg() = default;

void CCutterBaseDlg::buildControls() {
    setDialogId(this, kMainDialogId, kMainDialogResourceName);
    setWindowTitle(QStringLiteral("CutterBase"));
    setSizeGripEnabled(true);
    const DialogUnits units(font());
    for (const MainControl& row : MainDialogControls()) {
        const QString caption = QString::fromLatin1(row.caption);
        QWidget* control = nullptr;
        switch (row.kind) {
            case MainControlKind::Label: {
                auto* label = new QLabel(caption, this);
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                control = label;
                break;
            }
            case MainControlKind::Edit: {
                auto* edit = new QLineEdit(this);
                edit->setReadOnly(true);
                if (row.label != 0) {
                    findControl<QLabel>(this, row.label)->setBuddy(edit);
                }
                control = edit;
                break;
            }
            case MainControlKind::Button:
            case MainControlKind::DefaultButton: {
                auto* button = new QPushButton(caption, this);
                button->setAutoDefault(false);
                button->setDefault(row.kind == MainControlKind::DefaultButton);
                control = button;
                break;
            }
            case MainControlKind::CheckBox:
                control = new QCheckBox(caption, this);
                break;
            case MainControlKind::Tree:
                tree_ = new CTreeCtrlTool(this);
                control = tree_;
                break;
            case MainControlKind::SearchBox:
                control = new ToolSearchBox(this);
                break;
            case MainControlKind::Placeholder:
                control = new QWidget(this);
                control->hide();
                break;
        }
        setControlId(control, row.id, row.resourceName);
        control->setGeometry(units.rect(row.x, row.y, row.width, row.height));
    }
    for (int hidden : {main_ids::kOptions, main_ids::kPrint}) {
        findControl(this, hidden)->hide();
    }
    findControl(this, main_ids::kDelete)->setEnabled(false);
    // The list's two edits have no label; the list helper names them after what they show.
    findControl(this, main_ids::kListLastRow)->setAccessibleName(QStringLiteral("Last list row"));
    findControl(this, main_ids::kListDirectory)->setAccessibleName(QStringLiteral("List folder"));
    renewAccessibleNames(this);
    resize(units.x(kMainDialogWidthUnits), units.y(kMainDialogHeightUnits));
}

void CCutterBaseDlg::addAboutEntry() {
    const int language = languageBox_ != nullptr ? languageBox_->selectedLanguage() : 0;
    aboutAction_ = new QAction(aboutEntryText(language), this);
    aboutAction_->setObjectName(QLatin1String(kAboutActionName));
    // F1 opens it anywhere in the window; the Delete key is left to the tree and the edits.
    aboutAction_->setShortcut(QKeySequence(Qt::Key_F1));
    aboutAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(aboutAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(aboutAction_, &QAction::triggered, this, [this] { showAbout(); });
}

void CCutterBaseDlg::connectCommands() {
    auto onClick = [this](int id, auto handler) {
        connect(findControl<QAbstractButton>(this, id), &QAbstractButton::clicked, this, handler);
    };
    onClick(main_ids::kClose, [this] { ApplyAndClose(); });
    onClick(main_ids::kCancel, [this] { reject(); });
    onClick(main_ids::kSaveAs, [this] { SaveToolAs(); });
    onClick(main_ids::kDelete, [this] { DeleteTool(); });
    onClick(main_ids::kReadFromToolpath, [this] { ReadFromToolpath(); });
    onClick(main_ids::kSetAll, [this] { SetAll(); });
    onClick(main_ids::kFedrix, [this] { fedrixClicked(); });
    // The old item goes unheard: assistive technology clears the selection before it selects,
    // so the edited tool is the one shown, never the one the selection left.
    connect(tree_, &CTreeCtrlTool::selectionChangedTo, this,
            [this](QTreeWidgetItem* newItem) { selectionChanged(newItem); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { treeDoubleClicked(); });
    connect(tree_, &CTreeCtrlTool::deleteKeyPressed, this, [this] { DeleteTool(); });
    InstallExchangeMenu(tree_, [this] { RebuildTree(); });
    onClick(main_ids::kOptions, [this] { Options(); });
    // The search's result list leads the tree as the folder list does.
    for (CListCtrlTool* list : {list_, search_->results()}) {
        connect(list, &CListCtrlTool::selectFromList, this, [this, list] { selectFromList(list); });
        connect(list, &CListCtrlTool::rowDoubleClicked, this,
                [this](const std::string& path) { listDoubleClicked(path); });
        connect(list, &CListCtrlTool::deleteKeyPressed, this, [this] { DeleteTool(); });
    }
    connect(search_, &ToolSearch::searchEnded, this, [this] {
        list_->forgetDirectory();
        list_->fill(shownPath_, shownIsTool_);
    });
    connect(search_, &ToolSearch::indexUpdated, this, [this] { showFindings(); });
}

void CCutterBaseDlg::createList() {
    list_ = new CListCtrlTool(Language(), DiameterMode(), this);
    list_->setToolDirectory(ToolDirectory());
    list_->setFedrixEnabled(fedrixEnabled_);
    list_->setStatusEdits(findControl<QLineEdit>(this, main_ids::kListLastRow),
                          findControl<QLineEdit>(this, main_ids::kListDirectory));
    list_->setGeometry(findControl(this, main_ids::kListPlace)->geometry());
    list_->show();
}

void CCutterBaseDlg::createSearch() {
    search_ =
        new ToolSearch({findControl<ToolSearchBox>(this, main_ids::kToolSearch), list_,
                        findControl<QLineEdit>(this, main_ids::kListLastRow),
                        findControl<QLineEdit>(this, main_ids::kListDirectory)},
                       Language(), languageBox_ != nullptr ? languageBox_->selectedLanguage() : 0,
                       DiameterMode(), this);
    search_->setLibrary(ToolDirectory(), fedrixEnabled_);
    findingsLine_ = new FindingsLine(sheet_);
}

void CCutterBaseDlg::showFindings() {
    if (findingsLine_ != nullptr) {
        findingsLine_->showFindings(
            shownIsTool_ ? search_->findingsOf(shownPath_) : std::vector<ToolFinding>(),
            search_->findings());
    }
}

void CCutterBaseDlg::applyLanguageTexts() {
    const LanguageFile* file = Language();
    if (file == nullptr || !file->Loaded()) {
        return;
    }
    auto caption = [file](const char* key) {
        return fromInstallationText(file->Caption(kMainDialogSection, key));
    };
    setWindowTitle(caption(kMainDialogResourceName));
    for (const MainControl& row : MainDialogControls()) {
        if (row.resourceName == nullptr) {
            continue;
        }
        QWidget* control = findControl(this, row.id);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setText(caption(row.resourceName));
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(caption(row.resourceName));
        }
    }
    toolpathTextPrefix_ = caption("sActualToolToolpath");
    saveAsTitle_ = file->Caption(kMainDialogSection, "sSaveToolAs");
    renewAccessibleNames(this);
}

QWidget* CCutterBaseDlg::layoutControl(int id) const {
    if (id == kSheetEntry) {
        return sheet_;
    }
    if (id == kListEntry) {
        return list_;
    }
    if (id == kResultsEntry) {
        return search_->results();
    }
    return findControl(this, id);
}

void CCutterBaseDlg::registerLayout() {
    layout_ = std::make_unique<LayoutManager>(this);
    for (const MainLayoutEntry& entry : MainDialogLayout()) {
        layout_->Add(layoutControl(entry.id), entry.mx, entry.my, entry.dx, entry.dy, entry.sx,
                     entry.sy);
    }
}

void CCutterBaseDlg::readToolpathType() {
    // A toolpath that could not be read answers every read with a default, and its type with
    // a raw key: the user hears which file failed, and the type stays empty.
    std::string failed;
    if (reader_.LoadStatus(&failed) != 0) {
        ReportToolpathUnreadable(failed);
        toolpathTypeText_.clear();
        return;
    }
    reader_.ReadIndexed(kTpType, toolpathTypeText_);
}

void CCutterBaseDlg::limitWindowSize() {
    // Below its template size the window shrinks as far as the layout keeps every control
    // usable, inside and clear of the others; one pixel further and something would not be.
    const QSize base = layout_->BaseSize();
    QSize smallest = base;
    if (laidOutCleanly(this, *layout_, base)) {
        while (smallest.width() > 1 && laidOutCleanly(this, *layout_, smallest - QSize(1, 0))) {
            smallest.rwidth() -= 1;
        }
        while (smallest.height() > 1 && laidOutCleanly(this, *layout_, smallest - QSize(0, 1))) {
            smallest.rheight() -= 1;
        }
    }
    setMinimumSize(smallest);
    layout_->Resize(width(), height());
}

void CCutterBaseDlg::placeWindow() {
    QRect area(0, 0, kInitialWidth, kInitialHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    move(area.topLeft());
    resize(QSize(kInitialWidth, kInitialHeight).boundedTo(area.size()));
    layout_->Resize(width(), height());
}

void CCutterBaseDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (layout_) {
        layout_->Resize(event->size().width(), event->size().height());
    }
}

void CCutterBaseDlg::exchangeToControls() {
    findControl<QLineEdit>(this, main_ids::kToolSettings)->setText(toolSettingsText_);
    showInteger(findControl<QLineEdit>(this, main_ids::kToolpathNumber), toolpathNumber_);
    findControl<QAbstractButton>(this, main_ids::kFedrix)->setChecked(fedrixChecked_);
    findControl<QLineEdit>(this, main_ids::kUnits)->setText(unitsText_);
    findControl<QLineEdit>(this, main_ids::kToolpathType)
        ->setText(fromInstallationText(toolpathTypeText_));
}

bool CCutterBaseDlg::exchangeFromControls() {
    fedrixChecked_ = findControl<QAbstractButton>(this, main_ids::kFedrix)->isChecked();
    return true;
}

const LanguageFile* CCutterBaseDlg::Language() const {
    return languageBox_ != nullptr ? &languageBox_->languageFile() : nullptr;
}

std::string CCutterBaseDlg::lastToolDirectory() const {
    return startup_.settings ? startup_.settings->LastToolDirectory() : ToolDirectory();
}

bool CCutterBaseDlg::IsToolModified() const {
    return toolModified_ || (sheet_ != nullptr && sheet_->IsModified());
}

void CCutterBaseDlg::SetToolModified(bool modified) {
    toolModified_ = modified;
    if (sheet_ != nullptr) {
        sheet_->SetModify(modified);
    }
}

bool CCutterBaseDlg::IsFedrixModified() const {
    return fedrixModified_ || (sheet_ != nullptr && sheet_->FedrixPage() != nullptr &&
                               sheet_->FedrixPage()->IsModified());
}

void CCutterBaseDlg::SetFedrixModified(bool modified) {
    fedrixModified_ = modified;
    if (sheet_ != nullptr && sheet_->FedrixPage() != nullptr) {
        sheet_->FedrixPage()->SetModify(modified);
    }
}

int CCutterBaseDlg::PublicToolpathType() const {
    return ToolpathTypeNumber(reader_.ReadToolpathType());
}

void CCutterBaseDlg::ShowTool(const std::string& path, bool selectInTree, bool checkConsistency) {
    // Selecting in the tree shows the same tool once more from inside this call; a Fedrix file
    // of another kind is announced once for both.
    if (showDepth_++ == 0) {
        fedrixRejected_.clear();
    }
    std::string shown = path;
    captureLoaded(path);
    const bool isTool = LoadTool(shown, checkConsistency);
    if (search_ != nullptr) {
        search_->showTool(shown, isTool);
    }
    if (list_ != nullptr && (search_ == nullptr || !search_->active())) {
        list_->fill(shown, isTool);
    }
    if (selectInTree) {
        SelectPath(shown);
    }
    if (sheet_ != nullptr) {
        ParameterValue flags;
        autoFlagsFromFile_ = tool_->GetByIndex(kTpAutoflags, flags);
        if (!autoFlagsFromFile_) {
            flags.integer = 0;
            reader_.ReadIndexed(kTpAutoflags, flags.integer);
        }
        autoFlags_ = flags.integer;
        sheet_->ToolPage()->Load();
        sheet_->MachinePage()->Load();
        fedrixChecked_ = fedrixFileExists(shown);
        sheet_->ShowFedrixPage(fedrixChecked_, false);
        if (fedrixChecked_) {
            const std::string fedrixPath = FedrixFilePath(shown);
            FedrixToolInfo info(fedrixPath);
            if (fedrixPath != fedrixRejected_) {
                info.Check();
                if (!info.ReadSucceeded()) {
                    fedrixRejected_ = fedrixPath;
                }
            }
            // A file of another kind was announced; the pages show the defaults, never the
            // settings of the tool shown before.
            const FedrixToolInfo defaults;
            if (sheet_->FedrixPage() != nullptr) {
                sheet_->FedrixPage()->LoadPages(info.ReadSucceeded() ? info : defaults);
            }
        }
    }
    SetToolModified(false);
    SetFedrixModified(false);
    findControl(this, main_ids::kDelete)->setEnabled(isTool);
    shownPath_ = shown;
    shownIsTool_ = isTool;
    if (!isTool) {
        toolSettingsText_ =
            toolpathTextPrefix_ + QLatin1Char(' ') + QString::number(toolpathNumber_);
    } else if (HoldsReadableTool(*tool_)) {
        toolSettingsText_ = fromFileName(shown);
    } else {
        toolSettingsText_ =
            fromFileName(shown) + QLatin1Char(' ') + fromInstallationText(NotAToolFileNote());
    }
    exchangeToControls();
    showFindings();
    followShown(path, shown, isTool);
    --showDepth_;
}

bool CCutterBaseDlg::LoadTool(std::string& path, bool checkConsistency) {
    tool_ = std::make_unique<ToolParameterSet>();
    if (ValidateDirectory(path, false, false)) {
        return false;
    }
    // A stale last tool directory or a tool another program deleted is no tool to delete.
    if (!ValidateFile(path, false)) {
        path = ToolDirectory();
        return false;
    }
    if (MayReadAsToolFile(path)) {
        tool_->Load(path);
    }
    if (checkConsistency && startup_.settings &&
        !tool_->IsConsistent(toolpath_, startup_.settings->ShowConsistencyMessage() != 0)) {
        path = startup_.settings->LastToolDirectory();
        tool_ = std::make_unique<ToolParameterSet>();
        return false;
    }
    return true;
}

std::string CCutterBaseDlg::InitialSelection() const {
    std::string reference;
    if (!reader_.ReadIndexed(kTpIndex82, reference)) {
        return lastToolDirectory();
    }
    if (reference == "**") {
        return lastToolDirectory();
    }
    std::string candidate = ToolReferencePath(ToolDirectory(), reference);
    if (!candidate.empty() && ValidateFile(candidate, false)) {
        NormalizePath(candidate);
        return candidate;
    }
    return lastToolDirectory();
}

void CCutterBaseDlg::SelectPath(const std::string& path) {
    if (QTreeWidgetItem* item = tree_->itemToSelect(path)) {
        tree_->selectItem(item);
        tree_->setFocus();
    }
}

void CCutterBaseDlg::RebuildTree() {
    tree_->rebuildTree(ToolDirectory(), fedrixEnabled_);
    followLibrary();
    if (QTreeWidgetItem* root = tree_->rootItem()) {
        root->setExpanded(true);
    }
}

void CCutterBaseDlg::selectionChanged(QTreeWidgetItem* newItem) {
    if (newItem == nullptr || selectionGuard_) {
        return;
    }
    selectionGuard_ = true;
    if (IsToolModified() || IsFedrixModified()) {
        const SaveOutcome outcome = saveToolAs();
        if (outcome == SaveOutcome::Saved) {
            selectionGuard_ = false;
            return;
        }
        if (outcome == SaveOutcome::Failed) {
            // Nothing typed is lost without a word: the edited item stays with its edits.
            if (QTreeWidgetItem* edited = tree_->itemToSelect(shownPath_)) {
                tree_->selectItem(edited);
            } else {
                tree_->clearSelection();
            }
            selectionGuard_ = false;
            return;
        }
    }
    sheet_->show();
    (search_->active() ? search_->results() : list_)->show();
    ShowTool(CTreeCtrlTool::itemPath(newItem), true, false);
    toolChanged_ = true;
    selectionGuard_ = false;
}

void CCutterBaseDlg::treeDoubleClicked() {
    QTreeWidgetItem* selected = tree_->selectedItem();
    if (selected != nullptr && !CTreeCtrlTool::itemHasChildren(selected)) {
        ApplyAndClose();
    }
}

namespace {

// Asked before anything is written: a save never replaces or deletes what is not a regular file,
// and destroys a file it could not read as Fedrix settings only after a Yes.
bool fedrixFileMayBeWritten(const std::string& toolPath, bool enabled, bool checked) {
    if (!enabled) {
        return true;
    }
    const std::string path = FedrixFilePath(toolPath);
    switch (ProbeFedrixFile(path)) {
        case FedrixFileKind::NotAFile:
            // Without settings there is nothing to delete: it is no Fedrix file.
            if (checked) {
                reportNotSaved(path);
            }
            return !checked;
        case FedrixFileKind::Foreign:
            return AskToDestroyForeignFedrixFile(path, checked);
        default:
            return true;
    }
}

}  // namespace

bool CCutterBaseDlg::SaveToolAs() {
    return saveToolAs() == SaveOutcome::Saved;
}

CCutterBaseDlg::SaveOutcome CCutterBaseDlg::saveToolAs() {
    if (!exchangeFromControls() || tool_ == nullptr || sheet_ == nullptr ||
        !sheet_->ToolPage()->Commit() || !sheet_->MachinePage()->Commit()) {
        return SaveOutcome::Failed;
    }
    // The Fedrix pages refuse their values before a file is asked for.
    FedrixToolInfo validated;
    if (sheet_->FedrixPage() != nullptr && !sheet_->FedrixPage()->StorePages(validated)) {
        return SaveOutcome::Failed;
    }
    ParameterValue flags;
    flags.integer = autoFlags_;
    StoreField(nullptr, kTpAutoflags, true, flags);
    if (!MaySaveDespiteErrors(*tool_, fedrixChecked_ ? sheet_->FedrixPage() : nullptr)) {
        return SaveOutcome::Failed;
    }

    const SaveProposal proposal = ProposeSaveAs(
        shownPath_, shownIsTool_, sheet_->ToolPage()->data().description, ToolDirectory());
    SaveFileRequest request;
    request.title = saveAsTitle_;
    request.folder = proposal.folder;
    request.file_name = proposal.file_name;
    request.filter = kToolFilter;
    request.default_extension = kToolExtension;
    FileChooser* chooser = installed_file_chooser();
    const std::optional<std::string> chosen =
        chooser != nullptr ? chooser->choose_save_file(this, request) : std::nullopt;
    if (!chosen) {
        return SaveOutcome::Cancelled;
    }
    if (const std::optional<SaveOutcome> stop = guardOverwrite(*chosen)) {
        return *stop;
    }
    if (!fedrixFileMayBeWritten(*chosen, fedrixEnabled_, fedrixChecked_)) {
        return SaveOutcome::Failed;
    }
    // The tool's path goes into the one-line change file; a line break would split it.
    if (!IsSingleLinePath(*chosen)) {
        ReportToolNameNotInChangeFile(*chosen);
        return SaveOutcome::Failed;
    }
    if (!tool_->Save(*chosen)) {
        reportNotSaved(*chosen);
        return SaveOutcome::Failed;
    }
    if (!saveFedrixFile(*chosen)) {
        reportNotSaved(FedrixFilePath(*chosen));
        return SaveOutcome::Failed;
    }
    list_->forgetDirectory();
    search_->libraryChanged();
    SetToolModified(false);
    SetFedrixModified(false);
    RebuildTree();
    ShowTool(*chosen, true, false);
    toolChanged_ = true;
    return SaveOutcome::Saved;
}

bool CCutterBaseDlg::saveFedrixFile(const std::string& toolPath) {
    if (!fedrixEnabled_) {
        return true;
    }
    if (sheet_ == nullptr || toolPath.empty()) {
        return false;
    }
    const std::string path = FedrixFilePath(toolPath);
    const bool something = platform::exists(path);
    if (something && !platform::is_regular_file(path)) {
        return !fedrixChecked_;
    }
    if (!fedrixChecked_) {
        // A file left behind would give the saved tool settings it no longer has.
        return !something || DeleteFileAsk(path, false) || !platform::exists(path);
    }
    FedrixToolInfo info(path);
    return sheet_->FedrixPage() != nullptr && sheet_->FedrixPage()->StorePages(info) && info.Save();
}

bool CCutterBaseDlg::fedrixFileExists(const std::string& toolPath) const {
    // Only a regular file holds Fedrix settings; a folder of that name is none.
    return fedrixEnabled_ && !toolPath.empty() &&
           platform::is_regular_file(FedrixFilePath(toolPath));
}

void CCutterBaseDlg::DeleteTool() {
    QTreeWidgetItem* item = tree_->selectedItem();
    if (item == nullptr || CTreeCtrlTool::itemHasChildren(item)) {
        return;
    }
    const std::string path = CTreeCtrlTool::itemPath(item);
    const std::string folder = DirectoryPart(path);
    if (!mayDelete(path)) {
        return;
    }
    // Changed again while the question was open: asked about once more.
    const std::string seen = loaded_.DiskSnapshot();
    const DeleteOutcome outcome = RemoveFileAsked(path, moveToDesktopTrash, [&] {
        return loaded_.DiskSnapshot() == seen || mayDelete(path);
    });
    if (outcome == DeleteOutcome::AlreadyGone) {
        ValidateFile(path, true);
    } else if (outcome != DeleteOutcome::Deleted) {
        return;
    }
    RemoveCompanionFile(FedrixFilePath(path), moveToDesktopTrash);
    list_->forgetDirectory();
    search_->libraryChanged();
    SetToolModified(false);
    SetFedrixModified(false);
    RebuildTree();
    SelectPath(folder);
}

bool CCutterBaseDlg::ApplyAndClose() {
    const bool modified = IsToolModified();
    const bool fedrixModified = !modified && IsFedrixModified();
    if ((modified || fedrixModified) && saveToolAs() != SaveOutcome::Saved) {
        return false;
    }
    if (!modified && !toolChanged_) {
        accept();
        return true;
    }
    if (!outputFile_.empty()) {
        QTreeWidgetItem* selected = tree_->selectedItem();
        const std::string toolFile =
            selected != nullptr && !CTreeCtrlTool::itemHasChildren(selected)
                ? CTreeCtrlTool::itemPath(selected)
                : std::string();
        // The CAM system must never apply an old change file, or none, while the user believes
        // the tool was sent: the window stays open.
        if (!IsSingleLinePath(toolFile)) {
            ReportToolNameNotInChangeFile(toolFile);
            return false;
        }
        if (!toolFile.empty() && !IsReadableToolFile(toolFile) &&
            !AskWriteUnreadableReference(toolFile)) {
            return false;
        }
        if (!tool_->WriteChangeFile(toolpath_, outputFile_, ToolDirectory(), toolFile)) {
            RaiseChangeFileNotWritten(outputFile_);
            return false;
        }
        if (startup_.settings && selected != nullptr) {
            startup_.settings->SetLastToolDirectory(
                DirectoryPart(CTreeCtrlTool::itemPath(selected)));
            startup_.settings->Save();
        }
    }
    accept();
    return true;
}

void CCutterBaseDlg::ReadFromToolpath() {
    // Edits belong to the tool they were made on: saved under its name, or dropped, before the
    // toolpath's tool is loaded; else the save would commit them into that tool.
    if (IsToolModified() || IsFedrixModified()) {
        const SaveOutcome outcome = saveToolAs();
        if (outcome == SaveOutcome::Failed) {
            return;
        }
        SetToolModified(false);
        SetFedrixModified(false);
    }
    tree_->clearSelection();
    if (sheet_ != nullptr) {
        ShowTool(InitialSelection(), true, true);
        toolChanged_ = false;
    }
}

void CCutterBaseDlg::SetAll() {
    if (sheet_ != nullptr) {
        sheet_->CheckAll();
    }
}

void CCutterBaseDlg::Options() {
    COptionsDlg dialog(ToolDirectory(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    startup_.tool_directory = dialog.toolDirectory();
    list_->setToolDirectory(ToolDirectory());
    // The tree is read again from the disk; the list and the search follow it.
    list_->forgetDirectory();
    search_->setLibrary(ToolDirectory(), fedrixEnabled_);
    SetToolModified(false);
    SetFedrixModified(false);
    RebuildTree();
    if (QTreeWidgetItem* root = tree_->rootItem()) {
        tree_->selectItem(root);
        tree_->setFocus();
    }
}

void CCutterBaseDlg::reject() {
    if ((IsToolModified() || IsFedrixModified()) && !AskDiscardEdits()) {
        return;
    }
    QDialog::reject();
}

void CCutterBaseDlg::selectFromList(CListCtrlTool* list) {
    const std::string path = list->selectedPath();
    if (!path.empty() && ValidateFile(path, false)) {
        SelectPath(path);
    }
    list->setFocus();
}

void CCutterBaseDlg::listDoubleClicked(const std::string& path) {
    // A file added after the tree was built has no item: the tree is read again, so that the
    // tool applied is the row's own and never the one selected before.
    const auto hasItem = [this, &path] {
        const QTreeWidgetItem* item = tree_->itemToSelect(path);
        return item != nullptr &&
               (item == tree_->rootItem() ||
                platform::ascii_equal_ignoring_case(CTreeCtrlTool::itemPath(item), path));
    };
    if (!hasItem()) {
        RebuildTree();
        if (!hasItem()) {
            return;
        }
    }
    SelectPath(path);
    const QTreeWidgetItem* selected = tree_->selectedItem();
    if (selected != nullptr && !CTreeCtrlTool::itemHasChildren(selected) &&
        platform::ascii_equal_ignoring_case(CTreeCtrlTool::itemPath(selected), path)) {
        ApplyAndClose();
    }
}

void CCutterBaseDlg::fedrixClicked() {
    if (!exchangeFromControls() || sheet_ == nullptr) {
        return;
    }
    SetFedrixModified(true);
    sheet_->ShowFedrixPage(fedrixChecked_, true);
    if (CPageFedrix* page = sheet_->FedrixPage()) {
        page->OptimizePage()->Default();
    }
}

void CCutterBaseDlg::showAbout() {
    AboutDialog about(this);
    about.exec();
}
