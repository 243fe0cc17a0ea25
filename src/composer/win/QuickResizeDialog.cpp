#include "composer/win/QuickResizeDialog.h"

#include "QuickResizeIds.h"
#include "base/PathText.h"
#include "composer/EmailComposer.h"
#include "win/PrivateTempFile.h"
#include "composer/win/ScaleImage.h"
#include "pages/SizePage.h"
#include "pages/win/PageHost.h"
#include "pages/win/PageFolder.h"
#include "platform/FileOps.h"
#include "win/ComboBox.h"
#include "win/MessageBoxes.h"

#include <utility>

namespace {

const char* const kResizeFailedMessage = "Unable to resize selected report.     ";

} // namespace

QuickResizeDialog::QuickResizeDialog(std::string sourcePath)
    : Dialog(IDD_QUICK_RESIZE), sourcePath_(std::move(sourcePath))
{
    OnClicked(IDC_QUICK_RESIZE_SWITCH, [this] { SwitchClicked(); });
    OnCommand(IDC_QUICK_RESIZE_SCALE, CBN_SELCHANGE, [this] { ScaleChanged(); });
}

// Out of line, where PageHost is complete.
QuickResizeDialog::~QuickResizeDialog() = default;

void QuickResizeDialog::OnInitDialog()
{
    UseBoldFont({IDC_QUICK_RESIZE_SWITCH, IDC_QUICK_RESIZE_SCALE, IDOK, IDCANCEL});
    SetLabelColour(IDC_QUICK_RESIZE_SWITCH, RGB(255, 255, 0));

    PixelSize source;
    if (!ReadImageSize(sourcePath_, source.width, source.height))
        source = {};
    model_ = QuickResizeModel(source);
    if (!model_.SourceLoaded())
        ShowMessage("Unable to open: " + FileNameOf(sourcePath_, PathSeparators::backslash), MessageKind::Error);

    ComboBox scale(Handle(), IDC_QUICK_RESIZE_SCALE);
    for (int percent = 100; percent >= 1; --percent)
        scale.Add(std::to_string(percent) + "%");
    SetWindowTextA(Handle(), ("Quick Resize: " + FileNameOf(sourcePath_, PathSeparators::backslash)).c_str());
    browser_ = std::make_unique<PageHost>(Handle(), IDC_QUICK_RESIZE_BROWSER, ProgramPageFolder());
    ShowSizePage();
    PushValues();
}

void QuickResizeDialog::SwitchClicked()
{
    model_.CheckClicked();
    ShowSizePage();
    PushValues();
}

void QuickResizeDialog::ScaleChanged()
{
    model_.ScaleSelected(ComboBox(Handle(), IDC_QUICK_RESIZE_SCALE).Selection());
    ShowSizePage();
    PushValues();
}

void QuickResizeDialog::ShowSizePage()
{
    if (browser_)
        browser_->Navigate(WriteSizePage(ProgramPageFolder(), model_.PageSize().width, model_.PageSize().height));
}

void QuickResizeDialog::PushValues()
{
    CheckItem(IDC_QUICK_RESIZE_SWITCH, model_.switchedOn);
    EnableItem(IDC_QUICK_RESIZE_SWITCH, model_.checkEnabled);
    ShowWindow(Item(IDC_QUICK_RESIZE_SCALE), model_.scaleListShown ? SW_SHOW : SW_HIDE);
    ComboBox(Handle(), IDC_QUICK_RESIZE_SCALE).Select(model_.selection);
    EnableItem(IDOK, model_.saveEnabled);
}

void QuickResizeDialog::OnOK()
{
    if (model_.saveEnabled) {
        outputPath_ = CreatePrivateTempFile(ExtensionOf(sourcePath_, PathSeparators::backslash));
        resized_ = !outputPath_.empty() && ScaleImage(sourcePath_, outputPath_, model_.selection);
        if (!resized_) {
            ShowMessage(kResizeFailedMessage, MessageKind::Error);
            if (!outputPath_.empty())
                RemoveFileForced(outputPath_);
        }
    }
    End(IDOK);
}

void QuickResizeDialog::OnCancel()
{
    resized_ = false;
    End(IDCANCEL);
}
