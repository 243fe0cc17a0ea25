#pragma once
// What the main window decides, kept apart from the window so it can be
// tested: which task buttons act for a selection and a date, which hint the
// Quick Tip shows, where the window goes on the screen, and the small text
// rules of its tasks.
#include "app/QuickTips.h"
#include "base/CivilDate.h"
#include "profiles/ProfileIndex.h"

#include <optional>
#include <string>
#include <vector>

// Buttons of the main window after a change of selection or date.
struct ButtonStates {
    bool editProfile = false;
    bool deleteProfile = false;
    bool analyzeDay = false;
    bool companion = false;
    bool schedule = false;
    bool dreams = false;
    // Left as it is when empty: only one and two selected rows decide it.
    std::optional<bool> openReport;
    QuickTip tip = QuickTips::addProfile;
};

// Dreams acts for dates up to today: later days have no dreams yet.
ButtonStates DreamsRule(ButtonStates states, const CivilDate& selected, const CivilDate& today);

// The buttons for `selectedCount` selected rows of a list of `rowCount`.
ButtonStates SelectionRules(int selectedCount, int rowCount, const CivilDate& selected,
                            const CivilDate& today);

// The hint shown when a task has ended.
QuickTip RestingTip(int rowCount);

// Top edge of the main window: 85 pixels' worth above centre, keeping room for the Quick Tip
// strip below the window.
int MainWindowY(int screenHeight, int windowHeight);
inline constexpr int kQuickTipHeight = 85;

