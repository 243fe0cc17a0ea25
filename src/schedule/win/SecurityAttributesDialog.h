#pragma once
// The Set Security Attributes dialog (182): the Windows login the daily job
// runs under, asked on Windows 2000 and XP only. "Use Defaults" leaves both
// texts empty, which gives the job the scheduler's default account.
#include "schedule/win/TaskSchedulerService.h"
#include "win/Dialog.h"

class SecurityAttributesDialog : public Dialog {
public:
    SecurityAttributesDialog();

    // Runs the dialog; whatever closed it, what the job gets.
    JobAccount Ask();

protected:
    void OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    JobAccount account_;
};
