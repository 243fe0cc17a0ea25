// High contrast switched on for the test's own screen and session: the
// windows take the system's colours, the profile list's header reads, and
// the report keeps its bars' hues on the system's background.
#include "driver/Driver.h"
#include "res/MainWindowIds.h"

#include <commctrl.h>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 3, 2, 1950};

// High Contrast Black for as long as it lives, and the colours before it
// afterwards.
class HighContrastBlack {
public:
    HighContrastBlack()
    {
        for (int i = 0; i < 4; ++i)
            saved_[i] = GetSysColor(kElements[i]);
        const COLORREF scheme[4] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)};
        SetSysColors(4, kElements, scheme);
        Switch(true);
    }
    ~HighContrastBlack()
    {
        Switch(false);
        SetSysColors(4, kElements, saved_);
    }

private:
    // The flags Windows keeps for the user, which it also reads back; Wine
    // answers SPI_GETHIGHCONTRAST with no flags whatever is set.
    static void Switch(bool on)
    {
        ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Accessibility\\HighContrast", "Flags", REG_SZ, on ? "127" : "126", 4),
                  ERROR_SUCCESS);
    }
    static constexpr int kElements[4] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    COLORREF saved_[4] = {};
};

int Brightness(COLORREF p) { return GetRValue(p) + GetGValue(p) + GetBValue(p); }

} // namespace

TEST(HighContrastOnScreen_1024x768x24, WindowsTakeTheSystemColoursAndTheListHeaderReads)
{
    HighContrastBlack contrast;

    DailySession session(kJane, {2005, 8, 31});
    HWND main = session.Main().Window();
    ASSERT_TRUE(main);
    HWND header = reinterpret_cast<HWND>(SendMessageA(Control(main, IDC_PROFILE_LIST), LVM_GETHEADER, 0, 0));
    ASSERT_TRUE(header);
    // The header's face is its most common colour; its titles must stand
    // out from it.
    const Picture titles = CaptureClient(header);
    ASSERT_TRUE(titles.Loaded());
    const COLORREF face = titles.Pixel(titles.Width() / 2, 1);
    int standing = 0;
    for (COLORREF p : titles.pixels)
        standing += std::abs(Brightness(p) - Brightness(face)) > 300;
    EXPECT_GT(standing, 20) << "header titles do not stand out from its face " << std::hex << face;

    // The windows' ground is the system's (the pictures keep theirs) and the
    // report's bars keep their hues (which ink goes where is the contrast
    // canvas's unit test).
    const Picture list = CaptureClient(Control(main, IDC_PROFILE_LIST));
    EXPECT_EQ(list.Pixel(list.Width() - 3, list.Height() - 3), RGB(0, 0, 0));
    const Picture report = CaptureClient(session.Daily());
    EXPECT_EQ(report.Pixel(2, 2), RGB(0, 0, 0));
    EXPECT_GT(report.Count(RGB(255, 0, 0)), 500);
}
