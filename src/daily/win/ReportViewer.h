#pragma once
// The saved-report viewer (dialog 125): one saved report image in an
// 800 x 600 window, printed in colour with F2.
#include "win/Dialog.h"

#include <string>

class ReportViewer : public Dialog {
public:
    ReportViewer();

    void SetReportPath(const std::string& path) { reportPath_ = path; }

protected:
    void OnInitDialog() override;
    // Enter has no button to press here; only Escape and the close box end it.
    void OnOK() override {}

private:
    void Paint();

    std::string reportPath_;
};
