#pragma once
// The saved-report viewer (dialog 125): one saved report image in an
// 800 x 600 window, printed in colour with F2.
#include "win/Dialog.h"

#include <string>

class ReportViewer : public Dialog {
public:
    ReportViewer();
    ~ReportViewer() override;

    void SetReportPath(const std::string& path) { reportPath_ = path; }

protected:
    void OnInitDialog() override;
    // Enter has no button to press here; only Escape and the close box end it.
    void OnOK() override {}
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void Paint();
    void Print();
    void InstallKeyFilter();
    void RemoveKeyFilter();
    static LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam);

    std::string reportPath_;
    HHOOK keyFilter_ = nullptr;
};
