#include "app/MainWindowRules.h"

#include "base/AsciiText.h"

ButtonStates DreamsRule(ButtonStates states, const CivilDate& selected, const CivilDate& today)
{
    states.dreams = selected <= today;
    states.tip = states.dreams ? QuickTips::analyzeOrDreams : QuickTips::analyzeDay;
    return states;
}

ButtonStates SelectionRules(int selectedCount, int rowCount, const CivilDate& selected,
                            const CivilDate& today)
{
    ButtonStates states;
    if (selectedCount > 2) {
        states.tip = QuickTips::onlyTwo;
        return states;
    }
    if (selectedCount == 2) {
        states.companion = true;
        states.openReport = false;
        states.tip = QuickTips::companion;
        return states;
    }
    if (selectedCount == 1) {
        states.editProfile = states.deleteProfile = states.analyzeDay = states.schedule = true;
        states.openReport = true;
        return DreamsRule(states, selected, today);
    }
    states.tip = RestingTip(rowCount);
    return states;
}

QuickTip RestingTip(int rowCount)
{
    return rowCount > 0 ? QuickTips::selectProfile : QuickTips::addProfile;
}

int MainWindowY(int screenHeight, int windowHeight)
{
    int room = screenHeight - windowHeight - kQuickTipHeight;
    return room > 0 ? room / 2 : room;
}
