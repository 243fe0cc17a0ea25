#include "printing/win/PrintOptionsDialog.h"

#include "PrintOptionsIds.h"
#include "win/ComboBox.h"
#include "win/MessageBoxes.h"
#include "win/ToolTips.h"

#include <cstdio>

namespace {

std::string SizeText(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return text;
}

} // namespace

PrintOptionsDialog::PrintOptionsDialog(PrintOptionsModel& model) : Dialog(IDD_PRINT_OPTIONS), model_(model)
{
    OnCommand(IDC_PRINT_RESIZE, CBN_SELCHANGE, [this] { ResizeChanged(); });
    OnCommand(IDC_PRINT_TILE, CBN_SELCHANGE, [this] { TileChanged(); });
    OnClicked(IDC_PRINT_PHOTO_4X6, [this] { PhotoClicked(); });
}

void PrintOptionsDialog::OnInitDialog()
{
    UseBoldFont({IDC_PRINT_HEIGHT, IDC_PRINT_WIDTH, IDC_PRINT_RESOLUTION, IDC_PRINT_PHOTO_4X6, IDOK, IDC_PRINT_TILE,
                 IDC_PRINT_RESIZE});
    LimitItemText(IDC_PRINT_RESOLUTION, 50);
    ComboBox resize(Handle(), IDC_PRINT_RESIZE);
    resize.Clear();
    for (const std::string& entry : ResizeEntries())
        resize.Add(entry);
    SetCaption(model_.Caption());
    SetItemText(IDC_PRINT_RESOLUTION, model_.ResolutionText());
    PushValues();

    ToolTips& tips = Tips();
    tips.Add(IDC_PRINT_PHOTO_4X6, "4 x 6 photo printers only");
    tips.Add(IDC_PRINT_RESIZE, "resize daily report for printing");
    tips.Add(IDC_PRINT_TILE, "fit multiple report copies on one page");
    tips.Add(IDOK, "print daily report");
    tips.Activate(true);
}

void PrintOptionsDialog::OnOK()
{
    if (!ReadSizes())
        return;
    End(IDOK);
}

bool PrintOptionsDialog::ReadSizes()
{
    const int edits[] = {IDC_PRINT_HEIGHT, IDC_PRINT_WIDTH};
    float* fields[] = {&model_.height, &model_.width};
    for (int i = 0; i < 2; ++i) {
        float value = 0;
        const SizeCheck check = ReadSizeText(ItemText(edits[i]), value);
        if (check != SizeCheck::Valid) {
            ShowMessage(check == SizeCheck::NotANumber ? kSizeNotANumberMessage : kSizeOutOfRangeMessage,
                        MessageKind::Error);
            FocusItem(edits[i]);
            SendDlgItemMessageA(Handle(), edits[i], EM_SETSEL, 0, -1);
            return false;
        }
        *fields[i] = value;
    }
    return true;
}

void PrintOptionsDialog::ResizeChanged()
{
    const int index = ComboBox(Handle(), IDC_PRINT_RESIZE).Selection();
    if (index < 0)
        return;
    if (!ReadSizes()) {
        ComboBox(Handle(), IDC_PRINT_RESIZE).Select(model_.resizeSelection);
        return;
    }
    model_.ResizeSelected(index);
    PushValues();
}

void PrintOptionsDialog::TileChanged()
{
    model_.TileSelected(ComboBox(Handle(), IDC_PRINT_TILE).Selection());
}

void PrintOptionsDialog::PhotoClicked()
{
    if (!model_.photo4x6 && !ReadSizes()) {
        CheckItem(IDC_PRINT_PHOTO_4X6, false);
        return;
    }
    model_.PhotoClicked();
    PushValues();
}

void PrintOptionsDialog::PushValues()
{
    SetItemText(IDC_PRINT_HEIGHT, SizeText(model_.height));
    SetItemText(IDC_PRINT_WIDTH, SizeText(model_.width));
    CheckItem(IDC_PRINT_PHOTO_4X6, model_.photo4x6);

    ComboBox(Handle(), IDC_PRINT_RESIZE).Select(model_.resizeSelection);
    EnableItem(IDC_PRINT_RESIZE, model_.resizeEnabled);

    ComboBox tile(Handle(), IDC_PRINT_TILE);
    tile.Clear();
    for (const std::string& entry : model_.tileEntries)
        tile.Add(entry);
    tile.Select(model_.tileSelection);
    EnableItem(IDC_PRINT_TILE, model_.tileEnabled);
}
