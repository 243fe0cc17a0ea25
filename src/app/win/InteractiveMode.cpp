#include "app/win/InteractiveMode.h"

#include "app/win/MainWindow.h"
#include "win/AccountFolders.h"
#include "base/Clock.h"
#include "pages/IntroductionPage.h"
#include "pages/win/PageFolder.h"
#include "pages/win/PageWindow.h"
#include "profiles/ProfileIndex.h"

#include <windows.h>
#include <commctrl.h>

namespace {

// The introduction window's size in 96-dpi pixels.
const int kIntroductionWidth = 730, kIntroductionHeight = 320;

} // namespace

void RunInteractiveMode()
{
    if (!ProfileIndexExists(AccountDataDirectory())) {
        std::string page = WriteIntroductionPage(ProgramPageFolder());
        ShowPageModal(nullptr, page, kIntroductionTitle, kIntroductionWidth, kIntroductionHeight);
    }

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&controls);

    LocalClock clock;
    MainWindow window(clock);
    window.RunModal(nullptr);
}
