#pragma once
// The Quick Resize dialog (resource 126): a scaled copy of a report image in
// a private file of the user's own (mailed as "_T_" and the report's name),
// with the new size shown in a small browser pane.
#include "composer/QuickResizeModel.h"
#include "win/Dialog.h"

#include <memory>
#include <string>

class PageHost;

class QuickResizeDialog : public Dialog {
public:
    explicit QuickResizeDialog(std::string sourcePath);
    ~QuickResizeDialog() override;

    // True after OK when the scaled copy was written to OutputPath().
    bool Resized() const { return resized_; }
    const std::string& OutputPath() const { return outputPath_; }

protected:
    void OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void SwitchClicked();
    void ScaleChanged();
    void ShowSizePage();
    void PushValues();

    std::string sourcePath_;
    std::string outputPath_;
    QuickResizeModel model_{{}};
    bool resized_ = false;
    std::unique_ptr<PageHost> browser_;
};
