#include "daily/win/DailyAnalysisWindow.h"

#include "daily/DailyMessages.h"
#include "daily/ExplainPage.h"
#include "daily/ReportDrawing.h"
#include "daily/win/PrintDailyReport.h"
#include "base/ReportTiming.h"
#include "daily/win/SaveDailyReport.h"
#include "composer/win/ComposerRun.h"
#include "hourly/Superstitions.h"
#include "hourly/win/HourlyAnalysisRun.h"
#include "month/win/MonthlyOutlookWindow.h"
#include "pages/win/PageFolder.h"
#include "pages/win/PageWindow.h"
#include "profiles/ProfileFileReadings.h"
#include "res/DailyAnalysisWindowIds.h"
#include "win/GdiPlusCanvas.h"
#include "win/MessageBoxes.h"
#include "win/ToolTips.h"

namespace {

// The page windows' sizes in 96-dpi pixels.
const int kDailyExplanationWidth = 700, kDailyExplanationHeight = 480;
const int kSuperstitionWidth = 730, kSuperstitionHeight = 350;

const int kHourlyButtons[] = {IDC_DAILY_EMOTIONAL, IDC_DAILY_PHYSICAL, IDC_DAILY_INTELLECTUAL,
                              IDC_DAILY_INTUITION, IDC_DAILY_FORTUNE};

// The letter a button of the column bears presses it wherever the focus is
// in the window, with its label left as it is. A new button of the column is
// one more row.
struct LetterKey {
    char letter;
    int button;
};
const LetterKey kLetterKeys[] = {
    {'E', IDC_DAILY_EMOTIONAL}, {'P', IDC_DAILY_PHYSICAL}, {'B', IDC_DAILY_INTELLECTUAL},
    {'I', IDC_DAILY_INTUITION}, {'F', IDC_DAILY_FORTUNE},  {'S', IDC_DAILY_SUPERSTITION},
    {'M', IDC_DAILY_MONTHLY},
};

struct Tip {
    int controlId;
    const char* text;
};
const Tip kTips[] = {
    {IDC_DAILY_EMOTIONAL, "emotional reading hourly"},
    {IDC_DAILY_PHYSICAL, "physical reading hourly"},
    {IDC_DAILY_INTELLECTUAL, "intellectual reading hourly"},
    {IDC_DAILY_INTUITION, "intuition reading hourly"},
    {IDC_DAILY_FORTUNE, "fortune reading hourly"},
    {IDC_DAILY_SUPERSTITION, "superstitions"},
    {IDC_DAILY_MONTHLY, "monthly outlook"},
    {IDOK, "print daily report"},
    {IDC_DAILY_EMAIL, "email daily report"},
    {IDC_DAILY_SAVE, "save daily report"},
    {IDC_DAILY_EXPLAIN, "explain all readings"},
};

} // namespace

DailyAnalysisWindow::DailyAnalysisWindow(const std::string& profilePath, const CivilDate& date)
    : Dialog(IDD_DAILY_ANALYSIS), profilePath_(profilePath), chartFontName_(kChartFontName), navigation_(date)
{
    OnClicked(IDC_DAILY_SAVE, [this] { Save(); });
    OnWindowMessage(WM_PAINT, [this](WPARAM, LPARAM) {
        Paint();
        return 0;
    });
    OnClicked(IDC_DAILY_EMAIL, [this] { Email(); });
    OnClicked(IDC_DAILY_EXPLAIN, [this] { Explain(); });
    OnClicked(IDC_DAILY_PREV_DAY, [this] { PrevDay(); });
    OnClicked(IDC_DAILY_NEXT_DAY, [this] { NextDay(); });
    OnClicked(IDC_DAILY_NOW, [this] { Now(); });
    OnClicked(IDC_DAILY_SUPERSTITION, [this] { ShowSuperstition(); });
    OnClicked(IDC_DAILY_MONTHLY, [this] { OpenMonthly(); });
    for (int kind = kEmotionalKind; kind <= kFortuneKind; ++kind)
        OnClicked(kHourlyButtons[kind - kEmotionalKind], [this, kind] { OpenHourly(kind); });
}

void DailyAnalysisWindow::OnInitDialog()
{
    UseBoldFont({IDOK, IDC_DAILY_EMAIL, IDC_DAILY_SAVE, IDC_DAILY_EXPLAIN, IDC_DAILY_PREV_DAY,
                 IDC_DAILY_NEXT_DAY, IDC_DAILY_NOW, IDC_DAILY_EMOTIONAL, IDC_DAILY_PHYSICAL,
                 IDC_DAILY_INTELLECTUAL, IDC_DAILY_INTUITION, IDC_DAILY_FORTUNE, IDC_DAILY_SUPERSTITION,
                 IDC_DAILY_MONTHLY});
    Compute();
    GdiPlusCanvas::PrepareFont(chartFontName_);
    paintReady_ = true;
    RECT outer;
    if (GetWindowRect(Handle(), &outer))
        windowHeight_ = LayoutHeight(Handle(), outer.bottom - outer.top);
    spokenReport_.Create(Handle());
    spokenReport_.Publish(SpokenDailyReport(Report()));
    ApplyButtons();
    Tips().Activate(true);
    for (const Tip& tip : kTips)
        Tips().Add(tip.controlId, tip.text);
    for (const LetterKey& key : kLetterKeys)
        CatchKey(key.letter, [this, key] { PressLetterButton(key.button); });
}

// Sent, not posted: the window the button opens is modal, so a held key's
// repeats go to it instead of opening another one.
void DailyAnalysisWindow::PressLetterButton(int button)
{
    HWND control = Item(button);
    if (control && IsWindowEnabled(control))
        SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

// Reads the profile afresh, so an edit made while the window is open (or the
// file's removal) shows at the next step. An empty path keeps the set, and
// the caption, as they were.
void DailyAnalysisWindow::Compute()
{
    ComputeDailySetOfFile(profilePath_, navigation_.ShownDate(), set_);
    if (!set_.Title.empty())
        SetCaption(set_.Title);
}

void DailyAnalysisWindow::ApplyButtons()
{
    const DailyButtons& buttons = navigation_.Buttons();
    EnableItem(IDC_DAILY_PREV_DAY, buttons.prevDay);
    EnableItem(IDC_DAILY_NEXT_DAY, buttons.nextDay);
    EnableItem(IDC_DAILY_NOW, buttons.now);
    for (int id : kHourlyButtons)
        EnableItem(id, buttons.hourly);
}

// The whole window, not the chart's place at 96 dpi: at any other scale the
// drawing reaches further, and a part left out would keep the last day's bars.
void DailyAnalysisWindow::RefreshChart()
{
    spokenReport_.Publish(SpokenDailyReport(Report()));
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Everything GDI+ needs is made and released within the paint: the window
// is redrawn rarely, and nothing then outlives a change of display settings.
void DailyAnalysisWindow::Paint()
{
    PaintDrawing(Handle(), [this](Canvas& canvas) {
        if (!paintReady_)
            return;
        ReportTiming timing("report-screen-paint");
        DrawDailyReport(canvas, Report(), ScreenReport{windowHeight_});
    });
}

ReportInput DailyAnalysisWindow::Report() const
{
    ReportInput report;
    report.title = Caption();
    report.set = set_;
    report.fontFamily = chartFontName_;
    return report;
}

void DailyAnalysisWindow::Print()
{
    PrintDailyReport(Report());
}

void DailyAnalysisWindow::Save()
{
    SaveDailyReport(Handle(), set_, savedReportPath_);
}

// Only a written report reaches the composer: a failed save leaves no path.
void DailyAnalysisWindow::Email()
{
    if (savedReportPath_.empty()) {
        ShowMessage(kSaveReportFirst, MessageKind::Information);
        Save();
    }
    if (!savedReportPath_.empty())
        RunEmailComposer(Handle(), savedReportPath_);
}

void DailyAnalysisWindow::Explain()
{
    const std::string page = WriteDailyExplanationPage(ProgramPageFolder());
    if (!page.empty())
        ShowPageModal(Handle(), page, kDailyExplanationTitle, kDailyExplanationWidth, kDailyExplanationHeight);
}

// Follows the day shown, not the opening date.
void DailyAnalysisWindow::ShowSuperstition()
{
    const std::string page = WriteSuperstitionPage(ProgramPageFolder(), navigation_.ShownDate().day);
    if (!page.empty())
        ShowPageModal(Handle(), page, kSuperstitionTitle, kSuperstitionWidth, kSuperstitionHeight);
}

void DailyAnalysisWindow::OpenHourly(int kind)
{
    OpenHourlyAnalysis(Handle(), kind, profilePath_, navigation_.BaseDate());
    Now();
}

// Starts at the day shown; the day chosen there is shown next.
void DailyAnalysisWindow::OpenMonthly()
{
    CivilDate chosen;
    if (OpenMonthlyOutlook(Handle(), profilePath_, navigation_.ShownDate(), Caption(), chosen))
        ShowStep(navigation_.ShowDay(chosen));
}

void DailyAnalysisWindow::PrevDay()
{
    ShowStep(navigation_.PrevDay());
}

void DailyAnalysisWindow::NextDay()
{
    ShowStep(navigation_.NextDay());
}

// A refused step (before 1971) leaves the window as it was.
void DailyAnalysisWindow::ShowStep(const char* refusal)
{
    if (refusal) {
        ShowMessage(refusal, MessageKind::Error);
        return;
    }
    Compute();
    ApplyButtons();
    RefreshChart();
}

void DailyAnalysisWindow::Now()
{
    navigation_.Now();
    Compute();
    ApplyButtons();
    RefreshChart();
}
