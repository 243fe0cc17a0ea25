#pragma once
// The Currently Scheduled Daily Report dialog (178): the recorded schedule
// and the last line of the delivery log. Change (IDOK) lets the opener show
// the Schedule dialog; nothing is removed before a new schedule is saved.
#include "schedule/ScheduleRecord.h"
#include "win/Dialog.h"

#include <string>

class CurrentlyScheduledDialog : public Dialog {
public:
    CurrentlyScheduledDialog(ScheduleDisplay shown, const std::string& logPath);

protected:
    void OnInitDialog() override;

private:
    ScheduleDisplay shown_;
    std::string logPath_;
};
