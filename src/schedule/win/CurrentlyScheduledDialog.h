#pragma once
// The Currently Scheduled Daily Report dialog (178): the recorded schedule,
// the last line of the delivery log, and since when no delivery ran when
// one was due. Change (IDOK) lets the opener show
// the Schedule dialog; nothing is removed before a new schedule is saved.
#include "schedule/ScheduleRecord.h"
#include "win/Dialog.h"

#include <string>

// Since when no delivery ran although one was due at `storedTime`, after
// the record was saved and the run `lastLine` logged; empty while none is
// missed.
std::string MissedText(const std::string& recordPath, const std::string& lastLine, const std::string& storedTime);

class CurrentlyScheduledDialog : public Dialog {
public:
    CurrentlyScheduledDialog(ScheduleDisplay shown, const std::string& logPath, const std::string& recordPath);

protected:
    void OnInitDialog() override;

private:
    ScheduleDisplay shown_;
    std::string logPath_;
    std::string recordPath_;
};
