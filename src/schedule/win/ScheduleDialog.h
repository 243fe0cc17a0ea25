#pragma once
// The Schedule dialog (177): time, address and report type of the daily
// delivery. Save writes the record and registers the job; Close changes
// nothing. The model holds the values and decides; the dialog copies.
#include "base/Clock.h"
#include "schedule/ScheduleDialogModel.h"
#include "win/Dialog.h"

#include <string>

class ScheduleService;

class ScheduleDialog : public Dialog {
public:
    ScheduleDialog(ScheduleDialogModel& model, ScheduleService& service,
                   const Clock& clock);

protected:
    void OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void HourChanged();
    void ShowHelp();

    ScheduleDialogModel& model_;
    ScheduleService& service_;
    std::string dataDirectory_;
    const Clock& clock_;
};
