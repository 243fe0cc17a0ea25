#include "app/win/MainWindow.h"

#include "MainWindowIds.h"
#include "ArtworkIds.h"
#include "app/win/AboutBox.h"
#include "app/win/HelpWizard.h"
#include "companion/win/CompanionAnalysisRun.h"
#include "daily/win/DailyAnalysisRun.h"
#include "base/ScreenPlacement.h"
#include "pages/DreamPage.h"
#include "pages/PageWriter.h"
#include "pages/win/PageFolder.h"
#include "pages/win/PageWindow.h"
#include "daily/win/ReportViewer.h"
#include "profiles/ProfileEditorChecks.h"
#include "profiles/ProfileDeletion.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileFileReadings.h"
#include "profiles/ProfileIndex.h"
#include "profiles/win/ProfileEditor.h"
#include "schedule/win/ScheduleDialogs.h"
#include "win/AccountFolders.h"
#include "win/GdiPlusCanvas.h"
#include "win/JpegFileDialog.h"
#include "win/ListView.h"
#include "win/MessageBoxes.h"
#include "win/Theme.h"
#include "win/ToolTips.h"

#include <commctrl.h>

#include <utility>

namespace {

// The dream page window's size in 96-dpi pixels.
const int kDreamWidth = 700, kDreamHeight = 350;

const char* const kBeforeBirthRefusal = "You can't analyze a date before your birth date.     ";
const char* const kDateLabel = "Analyze Date:";
const char* const kDateHint = "Select any date from your past, present or future.";
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

// Posted to itself at the end of WM_INITDIALOG: the dialog manager gives the
// focus to the first tab stop once initialisation returns, so the focus the
// first hint asks for can only be set afterwards.
const UINT kInitialisedMessage = WM_APP + 1;
// Posted once for the burst of item changes one click or key makes, so the
// selection is read when the list has finished changing it.
const UINT kSelectionSettledMessage = WM_APP + 2;
// Posted once the window has shown whole: trouble with the daily e-mail is
// told over it.
const UINT kDeliveryNoticeMessage = WM_APP + 3;

const int kTaskButtons[] = {IDC_EDIT_PROFILE, IDC_DELETE_PROFILE, IDOK,
                            IDC_COMPANION,    IDC_SCHEDULE,       IDC_DREAMS};

int ButtonOf(TipFocus focus)
{
    switch (focus) {
    case TipFocus::AddProfile: return IDC_ADD_PROFILE;
    case TipFocus::AnalyzeDay: return IDOK;
    case TipFocus::Dreams: return IDC_DREAMS;
    case TipFocus::Companion: return IDC_COMPANION;
    case TipFocus::Help: return IDC_HELP_BUTTON;
    }
    return IDC_HELP_BUTTON;
}

} // namespace

MainWindow::MainWindow(const Clock& clock)
    : Dialog(IDD_MAIN_WINDOW), dataDirectory_(AccountDataDirectory()), clock_(clock)
{
    OnNotify(IDC_PROFILE_LIST, LVN_ITEMCHANGED,
             [this](NMHDR* header) { OnListItemChanged(*reinterpret_cast<NMLISTVIEW*>(header)); });
    OnWindowMessage(kSelectionSettledMessage, [this](WPARAM, LPARAM) {
        // A double click may have read the selection already.
        if (selectionPending_)
            OnSelectionSettled();
        return 0;
    });
    OnNotify(IDC_PROFILE_LIST, NM_DBLCLK, [this](NMHDR*) { OnListDoubleClick(); });
    OnWindowMessage(kInitialisedMessage, [this](WPARAM, LPARAM) {
        // The strip's page takes a while to come up; the main window shows
        // whole before it.
        UpdateWindow(Handle());
        deferFocus_ = false;
        if (pendingTip_)
            ShowTip(*std::exchange(pendingTip_, std::nullopt), false);
        if (pendingFocus_)
            FocusItem(pendingFocus_);
        pendingFocus_ = 0;
        PostMessageA(Handle(), kDeliveryNoticeMessage, 0, 0);
        return 0;
    });
    OnWindowMessage(kDeliveryNoticeMessage, [this](WPARAM, LPARAM) {
        TellDeliveryTrouble(Handle(), clock_);
        return 0;
    });
    OnWindowMessage(WM_SYSCOMMAND, [this](WPARAM wParam, LPARAM) -> std::optional<INT_PTR> {
        // Every other system command (moving, closing) goes on to the
        // default handling.
        if ((wParam & 0xFFF0) != IDM_ABOUT)
            return std::nullopt;
        AboutBox().RunModal(Handle());
        return 0;
    });
    OnWindowMessage(WM_HELP, [this](WPARAM, LPARAM) {
        Help();
        return TRUE;
    });
    // The process may end at any moment once this returns, and no one is
    // there to read a message: a write that failed earlier gets one more try.
    OnWindowMessage(WM_ENDSESSION, [this](WPARAM ending, LPARAM) {
        if (ending && !unsavedChanges_.empty() && UpdateProfileIndex(dataDirectory_, unsavedChanges_))
            unsavedChanges_.clear();
        return 0;
    });
    for (int list : {IDC_MONTH, IDC_DAY, IDC_YEAR})
        OnCommand(list, CBN_SELCHANGE, [this, list] { OnDateChosen(list); });
    OnClicked(IDC_ADD_PROFILE, [this] { AddProfile(); });
    OnClicked(IDC_EDIT_PROFILE, [this] { EditProfile(FirstSelected()); });
    OnClicked(IDC_DELETE_PROFILE, [this] { DeleteProfile(); });
    OnClicked(IDC_SCHEDULE, [this] { Schedule(); });
    OnClicked(IDC_OPEN_REPORT, [this] { OpenReport(); });
    OnClicked(IDC_COMPANION, [this] { Companion(); });
    OnClicked(IDC_DREAMS, [this] { Dreams(); });
    OnClicked(IDC_HELP_BUTTON, [this] { Help(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::OnInitDialog()
{
    deferFocus_ = true;
    today_ = selectedDate_ = clock_.Today();
    dateRange_ = DateListRange::ForMainWindow(today_.year);

    if (HMENU menu = GetSystemMenu(Handle(), FALSE)) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, IDM_ABOUT, "&About Oracline");
        // The window cannot be maximised; its menu should not offer it.
        RemoveMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    }
    HICON icon = LoadIconA(Theme::Instance(), MAKEINTRESOURCEA(IDI_MAIN));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    UseBoldFont({IDC_PROFILE_LIST, IDC_ADD_PROFILE, IDC_EDIT_PROFILE, IDC_DELETE_PROFILE,
                 IDC_DATE_LABEL, IDC_MONTH, IDC_DAY, IDC_YEAR, IDC_DATE_HINT, IDOK, IDC_SCHEDULE,
                 IDC_OPEN_REPORT, IDC_COMPANION, IDC_DREAMS, IDC_HELP_BUTTON});
    SetUpList();

    rows_ = ReadProfileIndex(dataDirectory_);
    ListView list(Handle(), IDC_PROFILE_LIST);
    changingList_ = true;
    for (const ProfileIndexEntry& entry : rows_)
        list.AppendRow(Cells(entry));
    if (!rows_.empty()) {
        selection_ = {0};
        list.SelectOnly(0);
    }
    changingList_ = false;

    AnalysisDateLists().Show(selectedDate_);
    PlaceWindow();
    initialised_ = true;
    ApplySelection();

    LimitItemText(IDC_DATE_LABEL, 50);
    LimitItemText(IDC_DATE_HINT, 100);
    // The labels are sized to their texts in the bold font; the edit
    // controls' own inner margins would clip the last letters.
    for (int label : {IDC_DATE_LABEL, IDC_DATE_HINT})
        SendDlgItemMessageA(Handle(), label, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetItemText(IDC_DATE_LABEL, kDateLabel);
    SetItemText(IDC_DATE_HINT, kDateHint);
    SetLabelColour(IDC_DATE_LABEL, kBlue);
    SetLabelColour(IDC_DATE_HINT, kWhite);
    SetUpToolTips();
    AddMessageFilter(inputWatch_.FilterFor(Handle()));
    PostMessageA(Handle(), kInitialisedMessage, 0, 0);
}

void MainWindow::SetUpList()
{
    ListView list(Handle(), IDC_PROFILE_LIST);
    list.AddColumn(0, "Full Name", 250);
    list.AddColumn(1, "Description", 300);
    list.AddColumn(2, "Calibration", 100);
    list.FitColumns();
    list.UseThemeColours();
}

DateListControl MainWindow::AnalysisDateLists() const
{
    return DateListControl(Handle(), {IDC_MONTH, IDC_DAY, IDC_YEAR}, dateRange_);
}

void MainWindow::PlaceWindow()
{
    RECT bounds{};
    GetWindowRect(Handle(), &bounds);
    windowX = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), bounds.right - bounds.left);
    windowY = MainWindowY(GetSystemMetrics(SM_CYSCREEN), bounds.bottom - bounds.top);
    SetWindowPos(Handle(), HWND_TOP, windowX, windowY, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

void MainWindow::SetUpToolTips()
{
    const std::pair<int, const char*> tips[] = {
        {IDC_PROFILE_LIST, "all profiles"},
        {IDC_ADD_PROFILE, "add new profile"},
        {IDC_EDIT_PROFILE, "edit existing profile"},
        {IDC_DELETE_PROFILE, "delete existing profile"},
        {IDC_MONTH, "select month"},
        {IDC_DAY, "select date"},
        {IDC_YEAR, "select year"},
        {IDOK, "full daily analysis"},
        {IDC_SCHEDULE, "schedule daily report delivery"},
        {IDC_OPEN_REPORT, "open any saved daily report"},
        {IDC_COMPANION, "companion analysis"},
        {IDC_DREAMS, "dream interpretation"},
        {IDC_HELP_BUTTON, "help wizard"},
    };
    for (const auto& tip : tips)
        Tips().Add(tip.first, tip.second);
    Tips().Activate(true);
}

// ---- Selection and date -------------------------------------------------

void MainWindow::OnListItemChanged(const NMLISTVIEW& change)
{
    const bool selectionChanged =
        (change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED);
    if (changingList_ || !selectionChanged || selectionPending_)
        return;
    selectionPending_ = true;
    PostMessageA(Handle(), kSelectionSettledMessage, 0, 0);
}

void MainWindow::OnSelectionSettled()
{
    selectionPending_ = false;
    ListView list(Handle(), IDC_PROFILE_LIST);
    if (list.SelectedRows().empty()) {
        // Once a row was chosen the list keeps one: a click on empty space
        // brings the first one back rather than leaving nothing to analyse.
        const int first = FirstSelected();
        if (first < 0 || first >= static_cast<int>(rows_.size()))
            return;
        changingList_ = true;
        list.SetSelected(first, true);
        list.Focus(first);
        changingList_ = false;
    }
    // The list keeps the focus, so the arrow keys go on moving through the
    // profiles after a click as after a key.
    ReadSelection();
    ApplySelection(false);
}

void MainWindow::OnListDoubleClick()
{
    OnSelectionSettled();
    std::vector<int> selected = ListView(Handle(), IDC_PROFILE_LIST).SelectedRows();
    if (!selected.empty())
        EditProfile(selected.back());
}

void MainWindow::ReadSelection()
{
    selection_ = ListView(Handle(), IDC_PROFILE_LIST).SelectedRows();
}

void MainWindow::ApplySelection(bool moveFocus)
{
    ButtonStates states = SelectionRules(SelectedCount(), static_cast<int>(rows_.size()),
                                         selectedDate_, today_);
    EnableItem(IDC_EDIT_PROFILE, states.editProfile);
    EnableItem(IDC_DELETE_PROFILE, states.deleteProfile);
    EnableItem(IDOK, states.analyzeDay);
    EnableItem(IDC_COMPANION, states.companion);
    EnableItem(IDC_SCHEDULE, states.schedule);
    EnableItem(IDC_DREAMS, states.dreams);
    if (states.openReport)
        EnableItem(IDC_OPEN_REPORT, *states.openReport);
    ShowTip(states.tip, moveFocus);
}

void MainWindow::OnDateChosen(int list)
{
    const DateListControl lists = AnalysisDateLists();
    lists.TakeChoice(list, selectedDate_);
    // The date analysed is the one the lists show: a day the new month
    // lacks has become its last one.
    lists.TakeChoice(IDC_DAY, selectedDate_);
    ApplySelection(MovesFocus());
}

// ---- Tasks --------------------------------------------------------------

std::vector<std::string> MainWindow::Cells(const ProfileIndexEntry& entry)
{
    return {entry.fullName, entry.description, entry.calibration};
}

std::string MainWindow::ProfilePathOf(int row) const
{
    return ProfileFilePath(dataDirectory_, rows_[row].description);
}

void MainWindow::WriteIndexIfChanged()
{
    // Tasks read profiles through the index; it must match the list first.
    if (!unsavedChanges_.empty() && UpdateProfileIndex(dataDirectory_, unsavedChanges_))
        unsavedChanges_.clear();
}

// Right after every change of the list: a logoff, a shutdown or a crash
// must not leave a profile's file on the disk and its row gone. A write that
// fails stays pending for the next task or for closing.
void MainWindow::WriteIndex(IndexChange change)
{
    unsavedChanges_.push_back(std::move(change));
    if (UpdateProfileIndex(dataDirectory_, unsavedChanges_))
        unsavedChanges_.clear();
    else
        ShowMessage(EditorMessages::kUnableToSave, MessageKind::Error);
}

// Analyze Day and Dreams both start from the one selected row: the index is
// brought up to date, then a date before the birth date is refused.
bool MainWindow::SelectedDayCanBeAnalysed()
{
    const int first = FirstSelected();
    if (first < 0 || first >= static_cast<int>(rows_.size()))
        return false;
    WriteIndexIfChanged();
    Profile profile;
    ReadProfileForEngine(ProfilePathOf(FirstSelected()), profile);
    if (selectedDate_ < profile.Birthday()) {
        ShowMessage(kBeforeBirthRefusal, MessageKind::Error);
        return false;
    }
    return true;
}

void MainWindow::AnalyzeDay()
{
    if (!SelectedDayCanBeAnalysed())
        return;
    RunDailyAnalysis(Handle(), ProfilePathOf(FirstSelected()), selectedDate_);
}

void MainWindow::AddProfile()
{
    // Refused before anything is saved: a longer index could not be read back.
    if (!IndexHasRoom(rows_) || !IndexHasRoom(ReadProfileIndex(dataDirectory_))) {
        ShowMessage(kProfileListFullMessage, MessageKind::Error);
        return;
    }
    ShowTip(QuickTips::newProfile);
    ProfileEditor editor(clock_);
    if (editor.RunModal(Handle()) == IDOK) {
        const Profile& saved = editor.Result();
        const ProfileIndexEntry entry = IndexEntryOf(saved);
        ListView list(Handle(), IDC_PROFILE_LIST);
        changingList_ = true;
        // A replaced profile keeps its row: two rows must not name one file.
        const int replaced = RowOfSameFile(rows_, saved.description);
        if (replaced >= 0) {
            rows_[replaced] = entry;
            list.SetRow(replaced, Cells(entry));
        } else {
            rows_.push_back(entry);
            list.AppendRow(Cells(entry));
        }
        changingList_ = false;
        WriteIndex({IndexChange::Kind::put, entry});
        ReadSelection();
    }
    ShowTip(RestingTip(static_cast<int>(rows_.size())));
}

void MainWindow::EditProfile(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    ShowTip(QuickTips::editProfile);
    ProfileEditor editor(clock_);
    editor.EditExisting(rows_[row].description);
    if (editor.RunModal(Handle()) != IDOK)
        return;
    rows_[row] = IndexEntryOf(editor.Result());
    changingList_ = true;
    ListView(Handle(), IDC_PROFILE_LIST).SetRow(row, Cells(rows_[row]));
    changingList_ = false;
    WriteIndex({IndexChange::Kind::put, rows_[row]});
    ShowTip(QuickTips::analyzeDay);
}

void MainWindow::DeleteProfile()
{
    const int row = FirstSelected();
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    if (!EndScheduleBeforeDeleting(ProfilePathOf(row)))
        return;
    if (!RemoveProfile(dataDirectory_, unsavedChanges_, rows_[row])) {
        ShowMessage(EditorMessages::kUnableToSave, MessageKind::Error);
        return;
    }

    ListView list(Handle(), IDC_PROFILE_LIST);
    changingList_ = true;
    list.DeleteRow(row);
    rows_.erase(rows_.begin() + row);
    int next = row > 0 ? row - 1 : (rows_.empty() ? -1 : 0);
    selection_.clear();
    if (next >= 0) {
        selection_ = {next};
        list.SelectOnly(next);
    }
    changingList_ = false;
    SetFocus(list.Handle());
    ApplySelection();
}

void MainWindow::Schedule()
{
    if (FirstSelected() < 0)
        return;
    WriteIndexIfChanged();
    ShowTip(QuickTips::schedule);
    RunScheduleDialogs(Handle(), ProfilePathOf(FirstSelected()), clock_);
    ShowTip(QuickTips::analyzeDay);
}

void MainWindow::OpenReport()
{
    ShowTip(QuickTips::openReport);
    // Filter pairs are separated by NULs; the literal's own NUL ends the list.
    static const char filter[] = "Daily Reports (*.jpg)\0*.jpg\0";
    std::string chosen;
    if (AskForJpegToOpen(Handle(), "Select Daily Report", filter, chosen)) {
        ReportViewer viewer;
        viewer.SetReportPath(chosen);
        viewer.RunModal(Handle());
    }
    ShowTip(RestingTip(static_cast<int>(rows_.size())));
}

void MainWindow::Companion()
{
    if (selection_.size() < 2)
        return;
    WriteIndexIfChanged();
    RunCompanionAnalysis(Handle(), dataDirectory_, rows_[selection_[0]].description,
                         rows_[selection_[1]].description);
}

void MainWindow::Dreams()
{
    if (!SelectedDayCanBeAnalysed())
        return;
    std::string page = WriteDreamPage(ProgramPageFolder(), LoadProfile(ProfilePathOf(FirstSelected())), selectedDate_);
    ShowPageModal(Handle(), page, kDreamTitle, kDreamWidth, kDreamHeight);
}

void MainWindow::Help()
{
    ShowTip(QuickTips::help);
    HelpWizard().RunModal(Handle());
    ShowTip(RestingTip(static_cast<int>(rows_.size())));
}

// ---- Quick Tip and closing ----------------------------------------------

void MainWindow::ShowTip(const QuickTip& tip, bool moveFocus)
{
    if (!initialised_)
        return;
    if (deferFocus_ && !quickTip_) {
        pendingTip_ = tip;
        if (moveFocus)
            FocusButton(tip.focus);
        return;
    }
    std::string page = WriteQuickTipPage(ProgramPageFolder(), TipText(tip));
    if (PageWindow* strip = Dialog::FromHandle<PageWindow>(quickTip_)) {
        strip->Navigate(page);
    } else {
        RECT bounds{};
        GetWindowRect(Handle(), &bounds);
        auto created = std::make_unique<PageWindow>();
        created->SetTitle("Quick Tip");
        created->SetSize(bounds.right - bounds.left, ScreenPixels(Handle(), kQuickTipHeight));
        created->SetPosition(bounds.left, bounds.bottom);
        created->SetUrl(page);
        created->SetMustStayOpen(true);
        quickTip_ = Dialog::ShowModeless(std::move(created), Handle());
        if (quickTip_)
            ShowWindow(quickTip_, SW_SHOWNOACTIVATE);
    }
    if (moveFocus)
        FocusButton(tip.focus);
}

void MainWindow::FocusButton(TipFocus focus)
{
    int button = ButtonOf(focus);
    if (deferFocus_) {
        pendingFocus_ = button;
        return;
    }
    FocusItem(button);
}

void MainWindow::OnCancel()
{
    WriteIndexIfChanged();
    if (quickTip_ && IsWindow(quickTip_))
        DestroyWindow(quickTip_);
    quickTip_ = nullptr;
    ProgramPageFolder().RemovePages();
    End(IDCANCEL);
}
