#pragma once
// The modal "Profile" dialog (resource 130) in which a profile is created or
// changed. On Save it checks the input, writes the profile file and ends with
// IDOK; on Close it ends with IDCANCEL and writes nothing.
#include "base/Clock.h"
#include "base/DateLists.h"
#include "engine/Profile.h"
#include "win/DateListControl.h"
#include "win/Dialog.h"
#include "win/InputWatch.h"

#include <memory>
#include <string>

class PageWindow;
struct EditorDateGroup;

class ProfileEditor : public Dialog {
public:
    // `clock` gives the year the year lists start from.
    explicit ProfileEditor(const Clock& clock);
    ~ProfileEditor() override;

    // Opens the editor on an existing profile: its file is read, and the
    // description and full name cannot be changed.
    void EditExisting(const std::string& description);

    // The profile as saved (valid after RunModal returned IDOK).
    const Profile& Result() const { return profile_; }

protected:
    void OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    using DateGroup = EditorDateGroup;

    DateListControl Lists(const DateGroup& group) const;
    void ShowStoredDate(const DateGroup& group);
    void DateChosen(const DateGroup& group, int list);
    void ReadDateGroup(const DateGroup& group);
    void GroupSwitched(int checkBoxId, bool Profile::*flag);
    void PlaceBesideSignPanel();
    bool PassesChecks();
    void UpdateSignImage();
    void ShowSignPanel();
    void DropSignPanel();
    bool SignPanelGoneByItself() const;
    void ShowYearPage();
    void ShowSignPage();
    void ShowNumberPage();

    std::string dataDirectory_;
    Profile profile_;
    bool lockIdentity_ = false;
    std::string signImagePath_;
    HWND signPanel_ = nullptr;  // the panel owns itself
    bool signPanelEnabled_ = false;
    int x_ = 0;
    int y_ = 0;
    InputWatch inputWatch_;
    DateListRange dateRange_;
};
