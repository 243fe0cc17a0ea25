#include "profiles/win/ProfileEditor.h"

#include "ProfileEditorIds.h"
#include "base/DataPaths.h"
#include "pages/SignPanelPage.h"
#include "pages/win/PageFolder.h"
#include "pages/win/PageWindow.h"
#include "profiles/InformationPages.h"
#include "profiles/ProfileEditorChecks.h"
#include "profiles/ProfileFile.h"
#include "profiles/SignImage.h"
#include "win/AccountFolders.h"
#include "win/GdiPlusCanvas.h"
#include "win/InputWatch.h"
#include "win/MessageBoxes.h"
#include "win/ToolTips.h"

#include <string>

// One date of the profile: its three lists and the fields they edit.
struct EditorDateGroup {
    DateListIds lists;
    int Profile::*month;
    int Profile::*day;
    int Profile::*year;
    bool ownBirthday;

    CivilDate StoredIn(const Profile& profile) const
    {
        return {profile.*year, profile.*month, profile.*day};
    }
    void Store(const CivilDate& date, Profile& profile) const
    {
        profile.*year = date.year;
        profile.*month = date.month;
        profile.*day = date.day;
    }
};

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// The page windows' sizes in 96-dpi pixels; the sign panel is as high as
// the editor beside it.
const int kSignPageWidth = 700, kSignPageHeight = 400;
const int kNumberPageWidth = 700, kNumberPageHeight = 400;
const int kYearPageWidth = 600, kYearPageHeight = 250;
const int kSignPanelWidth = 60;

const EditorDateGroup kOwn{{IDC_YOUR_MONTH, IDC_YOUR_DATE, IDC_YOUR_YEAR},
                           &Profile::yourMonth, &Profile::yourDate, &Profile::yourYear, true};
const EditorDateGroup kMother{{IDC_MOTHER_MONTH, IDC_MOTHER_DATE, IDC_MOTHER_YEAR},
                              &Profile::motherMonth, &Profile::motherDate, &Profile::motherYear, false};
const EditorDateGroup kFather{{IDC_FATHER_MONTH, IDC_FATHER_DATE, IDC_FATHER_YEAR},
                              &Profile::fatherMonth, &Profile::fatherDate, &Profile::fatherYear, false};
const EditorDateGroup kGood{{IDC_GOOD_MONTH, IDC_GOOD_DATE, IDC_GOOD_YEAR},
                            &Profile::goodMonth, &Profile::goodDate, &Profile::goodYear, false};
const EditorDateGroup kBad{{IDC_BAD_MONTH, IDC_BAD_DATE, IDC_BAD_YEAR},
                           &Profile::badMonth, &Profile::badDate, &Profile::badYear, false};
const EditorDateGroup* const kAllGroups[] = {&kOwn, &kMother, &kFather, &kGood, &kBad};

} // namespace

ProfileEditor::ProfileEditor(const Clock& clock)
    : Dialog(IDD_PROFILE_EDITOR),
      dataDirectory_(AccountDataDirectory()),
      signImagePath_(SignImagePath(DataPaths::programDirectory, 0, 0)),
      dateRange_(DateListRange::ForEditor(clock.Today().year))
{
    for (const DateGroup* group : kAllGroups)
        for (int list : {group->lists.month, group->lists.day, group->lists.year})
            OnCommand(list, CBN_SELCHANGE, [this, group, list] { DateChosen(*group, list); });
    OnClicked(IDC_USE_MOTHER, [this] { GroupSwitched(IDC_USE_MOTHER, &Profile::useMotherBirthday); });
    OnClicked(IDC_USE_FATHER, [this] { GroupSwitched(IDC_USE_FATHER, &Profile::useFatherBirthday); });
    OnClicked(IDC_USE_PERSONAL, [this] { GroupSwitched(IDC_USE_PERSONAL, &Profile::manualCalibration); });
    OnClicked(IDC_YEAR_PAGE, [this] { ShowYearPage(); });
    OnClicked(IDC_SIGN_PAGE, [this] { ShowSignPage(); });
    OnClicked(IDC_NUMBER_PAGE, [this] { ShowNumberPage(); });
    // A panel closed by the user announces it; the editor forgets the panel
    // for the rest of its run.
    OnWindowMessage(kPageClosingMessage, [this](WPARAM, LPARAM) {
        signPanelEnabled_ = false;
        DropSignPanel();
        return 0;
    });
}

ProfileEditor::~ProfileEditor() = default;

void ProfileEditor::EditExisting(const std::string& description)
{
    profile_.description = description;
    lockIdentity_ = true;
}

void ProfileEditor::OnInitDialog()
{
    HWND dialog = Handle();
    AddMessageFilter(inputWatch_.FilterFor(dialog));

    UseBoldFont({IDOK, IDCANCEL, IDC_DESCRIPTION_LABEL, IDC_FULL_NAME_LABEL, IDC_BIRTHDAY_LABEL,
                 IDC_GOOD_LABEL, IDC_BAD_LABEL, IDC_DESCRIPTION, IDC_FULL_NAME, IDC_USE_MOTHER,
                 IDC_USE_FATHER, IDC_USE_PERSONAL, IDC_YEAR_PAGE, IDC_SIGN_PAGE, IDC_NUMBER_PAGE});
    for (const DateGroup* group : kAllGroups)
        UseBoldFont({group->lists.month, group->lists.day, group->lists.year});
    // The labels are sized close to their texts in the bold font; the edit
    // controls' own inner margins would clip the last letters.
    for (int label : {IDC_DESCRIPTION_LABEL, IDC_FULL_NAME_LABEL, IDC_BIRTHDAY_LABEL, IDC_GOOD_LABEL,
                      IDC_BAD_LABEL})
        SendDlgItemMessageA(dialog, label, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetLabelColour(IDC_DESCRIPTION_LABEL, kGreen);
    for (int label : {IDC_FULL_NAME_LABEL, IDC_BIRTHDAY_LABEL, IDC_GOOD_LABEL, IDC_BAD_LABEL})
        SetLabelColour(label, kWhite);
    for (int checkBox : {IDC_USE_MOTHER, IDC_USE_FATHER, IDC_USE_PERSONAL})
        SetLabelColour(checkBox, kBlue);

    for (const DateGroup* group : {&kMother, &kFather, &kGood, &kBad})
        Lists(*group).Empty();

    // A new profile shows the defaults of a new record, January 1, 1900.
    if (!profile_.description.empty())
        ReadProfileFull(dataDirectory_, profile_);
    ShowStoredDate(kOwn);
    struct Optional {
        bool on;
        int checkBox;
        const DateGroup* groups[2];
    };
    const Optional optional[] = {{profile_.useFatherBirthday, IDC_USE_FATHER, {&kFather, nullptr}},
                                 {profile_.useMotherBirthday, IDC_USE_MOTHER, {&kMother, nullptr}},
                                 {profile_.manualCalibration, IDC_USE_PERSONAL, {&kGood, &kBad}}};
    for (const Optional& item : optional) {
        if (!item.on)
            continue;
        CheckItem(item.checkBox, true);
        for (const DateGroup* group : item.groups)
            if (group)
                ShowStoredDate(*group);
    }

    if (lockIdentity_) {
        EnableItem(IDC_DESCRIPTION, false);
        EnableItem(IDC_FULL_NAME, false);
    }

    PlaceBesideSignPanel();

    signPanelEnabled_ = true;
    signImagePath_ = SignImagePath(DataPaths::programDirectory, profile_.yourMonth, profile_.yourDate);
    ShowSignPanel();

    SetItemText(IDC_DESCRIPTION, profile_.description);
    SetItemText(IDC_FULL_NAME, profile_.fullName);
    LimitItemText(IDC_DESCRIPTION, static_cast<int>(kMaxProfileText));
    LimitItemText(IDC_FULL_NAME, static_cast<int>(kMaxProfileText));

    Tips().Add(IDC_DESCRIPTION, "profile description");
    Tips().Add(IDC_FULL_NAME, "full name");
    Tips().Add(IDC_YEAR_PAGE, "birth year reading");
    Tips().Add(IDC_SIGN_PAGE, "zodiac sign");
    Tips().Add(IDC_NUMBER_PAGE, "soul number");
    Tips().Add(IDC_USE_PERSONAL, "use manual calibration");
    Tips().Activate(true);

    // The work starts in the first field that can change: the description
    // of a new profile, the birthday of one whose identity is fixed. The
    // dialog manager gives the focus to the first control once this
    // returns; a posted request comes after it.
    const int firstField = lockIdentity_ ? IDC_YOUR_MONTH : IDC_DESCRIPTION;
    PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(firstField)), TRUE);
}

void ProfileEditor::PlaceBesideSignPanel()
{
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    // Centred together with the panel that stands at the right edge; on a
    // screen too small for both the dialog is pushed off the left edge
    // rather than hiding the panel.
    int spareWidth = GetSystemMetrics(SM_CXSCREEN) - (width + ScreenPixels(Handle(), kSignPanelWidth));
    int spareHeight = GetSystemMetrics(SM_CYSCREEN) - height;
    x_ = spareWidth > 0 ? spareWidth / 2 : spareWidth;
    y_ = spareHeight > 0 ? spareHeight / 2 : spareHeight;
    SetWindowPos(Handle(), HWND_TOP, x_, y_ - 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

DateListControl ProfileEditor::Lists(const DateGroup& group) const
{
    return DateListControl(Handle(), group.lists, dateRange_);
}

void ProfileEditor::ShowStoredDate(const DateGroup& group)
{
    Lists(group).Show(group.StoredIn(profile_));
}

// A list without a selection keeps the stored value.
void ProfileEditor::DateChosen(const DateGroup& group, int list)
{
    CivilDate date = group.StoredIn(profile_);
    if (!Lists(group).TakeChoice(list, date))
        return;
    group.Store(date, profile_);
    if (group.ownBirthday)
        UpdateSignImage();
}

// The lists can show a shorter day than the one stored (31 against April);
// reading month, year and day in this order stores what the lists show.
void ProfileEditor::ReadDateGroup(const DateGroup& group)
{
    for (int list : {group.lists.month, group.lists.year, group.lists.day})
        DateChosen(group, list);
}

// Switching a group on shows January 1900 with the stored day, as a fresh
// start for the date; the stored month and year stay until a list changes.
void ProfileEditor::GroupSwitched(int checkBoxId, bool Profile::*flag)
{
    bool on = IsItemChecked(checkBoxId);
    profile_.*flag = on;
    const DateGroup* groups[2] = {nullptr, nullptr};
    if (checkBoxId == IDC_USE_MOTHER)
        groups[0] = &kMother;
    else if (checkBoxId == IDC_USE_FATHER)
        groups[0] = &kFather;
    else {
        groups[0] = &kGood;
        groups[1] = &kBad;
    }
    const CivilDate freshStart{YearList::oldestYear, 1, 1};
    for (const DateGroup* group : groups) {
        if (!group)
            continue;
        if (on)
            Lists(*group).Show(freshStart, group->StoredIn(profile_));
        else
            Lists(*group).Empty();
    }
}

void ProfileEditor::OnOK()
{
    if (!PassesChecks())
        return;
    ReadDateGroup(kOwn);
    if (profile_.useMotherBirthday)
        ReadDateGroup(kMother);
    if (profile_.useFatherBirthday)
        ReadDateGroup(kFather);
    if (profile_.manualCalibration) {
        ReadDateGroup(kBad);
        ReadDateGroup(kGood);
    }
    // The main window adds or changes its row when the editor ends with OK,
    // so a file that was not written must not end it.
    if (!WriteProfile(dataDirectory_, profile_)) {
        ShowMessage(EditorMessages::kUnableToSave, MessageKind::Error);
        return;
    }
    DropSignPanel();
    End(IDOK);
}

bool ProfileEditor::PassesChecks()
{
    profile_.description = ItemText(IDC_DESCRIPTION);
    profile_.fullName = ItemText(IDC_FULL_NAME);
    std::string problem = FirstInputProblem(profile_);
    if (!problem.empty()) {
        ShowMessage(problem, MessageKind::Error);
        return false;
    }
    // Asked for an edited profile too: its own file exists.
    if (ProfileFileExists(dataDirectory_, profile_.description) &&
        !AskQuestion(EditorMessages::kReplaceQuestion))
        return false;
    SetItemText(IDC_DESCRIPTION, profile_.description);
    SetItemText(IDC_FULL_NAME, profile_.fullName);
    return true;
}

void ProfileEditor::OnCancel()
{
    for (const DateGroup* group : kAllGroups)
        Lists(*group).Empty();
    DropSignPanel();
    End(IDCANCEL);
}

void ProfileEditor::UpdateSignImage()
{
    std::string path = SignImagePath(DataPaths::programDirectory, profile_.yourMonth, profile_.yourDate);
    if (path == signImagePath_)
        return;
    signImagePath_ = path;
    ShowSignPanel();
    if (inputWatch_.MayMoveFocus())
        FocusItem(IDCANCEL);
}

// A panel window that is gone while the editor still holds it was closed by
// the user, even when its closing message has not arrived yet.
bool ProfileEditor::SignPanelGoneByItself() const
{
    return signPanel_ && !IsWindow(signPanel_);
}

void ProfileEditor::ShowSignPanel()
{
    if (SignPanelGoneByItself()) {
        signPanelEnabled_ = false;
        signPanel_ = nullptr;
    }
    if (!signPanelEnabled_)
        return;
    std::string page = WriteSignPanelPage(ProgramPageFolder(), signImagePath_);
    if (PageWindow* panel = Dialog::FromHandle<PageWindow>(signPanel_)) {
        panel->Navigate(page);
        return;
    }
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    auto panel = std::make_unique<PageWindow>();
    panel->SetSize(ScreenPixels(Handle(), kSignPanelWidth), frame.bottom - frame.top);
    panel->SetPosition(frame.right, frame.top);
    panel->SetTitle(kSignPanelTitle);
    panel->SetUrl(page);
    panel->SetMustStayOpen(false);
    panel->SetNotifyOnClose(true);
    signPanel_ = Dialog::ShowModeless(std::move(panel), Handle());
}

void ProfileEditor::DropSignPanel()
{
    if (signPanel_ && IsWindow(signPanel_))
        DestroyWindow(signPanel_);
    signPanel_ = nullptr;
}

void ProfileEditor::ShowYearPage()
{
    ShowPageModal(Handle(), WriteYearPage(ProgramPageFolder(), profile_.yourYear), kYearPageTitle,
                  kYearPageWidth, kYearPageHeight);
}

void ProfileEditor::ShowSignPage()
{
    ShowPageModal(Handle(), WriteSignPage(ProgramPageFolder(), profile_.yourMonth, profile_.yourDate),
                  kSignPageTitle, kSignPageWidth, kSignPageHeight);
}

void ProfileEditor::ShowNumberPage()
{
    ShowPageModal(Handle(),
                  WriteNumberPage(ProgramPageFolder(), profile_.Birthday()),
                  kNumberPageTitle, kNumberPageWidth, kNumberPageHeight);
}
