#pragma once
// The Print Options dialog: size, resize percentage, tiling and the 4 x 6
// photo format of an image about to be printed. The model holds every value
// and decision; the dialog copies between it and the controls.
#include "printing/PrintOptionsModel.h"
#include "win/Dialog.h"

class PrintOptionsDialog : public Dialog {
public:
    explicit PrintOptionsDialog(PrintOptionsModel& model);

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    void ResizeChanged();
    void TileChanged();
    void PhotoClicked();
    // Height and Width edits into the model; false (with the refusal shown
    // and the offending edit focused) when one is not a usable number.
    bool ReadSizes();
    // The model's fields and control states onto the controls.
    void PushValues();

    PrintOptionsModel& model_;
};
