#pragma once
// The program's home in the interactive mode (dialog 102): the profile list,
// the date to analyse, the task buttons, and the Quick Tip strip below it
// that always says what to do next. The list in the window is the master copy
// of the profile index while the window is open.
#include "app/MainWindowRules.h"
#include "base/Clock.h"
#include "engine/Profile.h"
#include "profiles/ProfileIndex.h"
#include "win/DateListControl.h"
#include "win/Dialog.h"
#include "win/InputWatch.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class PageWindow;

class MainWindow : public Dialog {
public:
    explicit MainWindow(const Clock& clock);
    ~MainWindow() override;

protected:
    void OnInitDialog() override;
    void OnOK() override { AnalyzeDay(); }
    void OnCancel() override;

private:
    void SetUpList();
    DateListControl AnalysisDateLists() const;
    void PlaceWindow();
    void SetUpToolTips();

    // Selection and date. `moveFocus` is off while the user works the lists
    // with the keyboard: the focus stays where the user is.
    void OnListItemChanged(const NMLISTVIEW& change);
    void OnSelectionSettled();
    void OnListDoubleClick();
    void ReadSelection();
    int SelectedCount() const { return static_cast<int>(std::min<size_t>(selection_.size(), 3)); }
    int FirstSelected() const { return selection_.empty() ? -1 : selection_[0]; }
    void ApplySelection(bool moveFocus = true);
    bool MovesFocus() const { return inputWatch_.MayMoveFocus(); }
    void OnDateChosen(int list);

    // Tasks.
    void AnalyzeDay();
    void AddProfile();
    void EditProfile(int row);
    void DeleteProfile();
    void Schedule();
    void OpenReport();
    void Companion();
    void Dreams();
    void Help();
    void WriteIndexIfChanged();
    // Records the change and writes it at once.
    void WriteIndex(IndexChange change);
    // Loads the selected row's profile; false (after the refusal message) when
    // the selected date lies before its birth date.
    bool SelectedDayCanBeAnalysed();
    std::string ProfilePathOf(int row) const;
    static std::vector<std::string> Cells(const ProfileIndexEntry& entry);

    // The Quick Tip strip and the keyboard focus that goes with each hint.
    void ShowTip(const QuickTip& tip, bool moveFocus = true);
    void FocusButton(TipFocus focus);

    std::string dataDirectory_;
    const Clock& clock_;
    std::vector<ProfileIndexEntry> rows_;

    // The date to analyse, and today's, fixed for the window's life.
    CivilDate selectedDate_;
    CivilDate today_;
    DateListRange dateRange_ = DateListRange::ForMainWindow(YearList::oldestYear);
    // The list's selected rows in list order, as last read from the list.
    std::vector<int> selection_;
    // The list's changes not yet in the index; each write applies them to
    // the index as it is then, so another session's changes stay.
    std::vector<IndexChange> unsavedChanges_;
    int windowX = 0;
    int windowY = 0;

    bool initialised_ = false;
    // The program's own changes of the list are not the user's selection.
    bool changingList_ = false;
    bool selectionPending_ = false;
    InputWatch inputWatch_;
    bool deferFocus_ = false;
    int pendingFocus_ = 0;
    // The first tip, opened once the main window has painted.
    std::optional<QuickTip> pendingTip_;
    HWND quickTip_ = nullptr;  // the strip owns itself
};
