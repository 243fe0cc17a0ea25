#include "companion/win/CompanionWindow.h"

#include "CompanionWindowIds.h"
#include "win/AccountFolders.h"
#include "companion/CompanionPage.h"
#include "companion/CompanionPeople.h"
#include "pages/win/PageFolder.h"
#include "pages/win/PageWindow.h"
#include "win/GdiPlusCanvas.h"

CompanionWindow::CompanionWindow(const CompanionPerson& first, const CompanionPerson& second)
    : Dialog(IDD_COMPANION_WINDOW),
      dataDirectory_(AccountDataDirectory()),
      match_(MatchCompanions(first, second))
{
    result_ = {first.fullName, second.fullName, match_.love.good, match_.friendship.good, match_.business.good};
    OnClicked(IDC_COMPANION_EXPLAIN, [this] { Explain(); });
    OnWindowMessage(WM_PAINT, [this](WPARAM, LPARAM) {
        Paint();
        return 0;
    });
}

void CompanionWindow::OnInitDialog()
{
    UseBoldFont({IDOK, IDC_COMPANION_EXPLAIN, IDCANCEL});
    GdiPlusCanvas::PrepareFont(fontFamily_);
    RECT client{};
    if (GetClientRect(Handle(), &client))
        height_ = LayoutHeight(Handle(), client.bottom - client.top);
    resultsReady_ = true;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CompanionWindow::Paint()
{
    PaintDrawing(Handle(), [this](Canvas& canvas) {
        if (resultsReady_)
            DrawCompanionScreen(canvas, result_, height_, fontFamily_);
    });
}

void CompanionWindow::Explain()
{
    const std::string page = WriteCompanionExplanationPage(ProgramPageFolder(), match_);
    if (!page.empty())
        ShowPageModal(Handle(), page, kCompanionExplanationTitle, 680, 300);
}
