#include "schedule/ScheduleDialogModel.h"

#include "base/TextLines.h"
#include "schedule/ScheduleService.h"

namespace {

std::string TwoDigits(int value)
{
    return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

} // namespace

std::vector<std::string> HourEntries()
{
    std::vector<std::string> entries;
    for (int hour = 1; hour <= 23; ++hour)
        entries.push_back(TwoDigits(hour));
    return entries;
}

std::vector<std::string> MinuteEntries()
{
    std::vector<std::string> entries;
    for (int minute = 0; minute <= 59; ++minute)
        entries.push_back(TwoDigits(minute));
    return entries;
}

std::vector<std::string> ReportTypeEntries()
{
    return {"deliver report in plain text", "deliver report in full colors"};
}

std::string CheckAddress(const std::string& address)
{
    if (address.empty())
        return ScheduleMessages::enterAddress;
    if (address.size() > static_cast<size_t>(kLongestAddress))
        return ScheduleMessages::addressTooLong;
    if (address.find('@') == std::string::npos)
        return ScheduleMessages::addressNotValid;
    return "";
}

std::string ScheduledSuccessText(const ScheduleRecord& record)
{
    return "Daily Analysis Report was scheduled successfully.     \nProfile: " +
           ScheduledFileName(record.profilePath) + "    \nEmail To: " + record.email + "     " +
           (record.reportType != ReportType::plainText ? "\nDeliver report in full colors.     "
                                                       : "\nDeliver report in plain text.     ");
}

void ScheduleDialogModel::HourSelected(int index)
{
    if (index >= 0)
        hour = index + 1;
}

void ScheduleDialogModel::MinuteSelected(int index)
{
    if (index >= 0)
        minute = index;
}

void ScheduleDialogModel::TypeSelected(int index)
{
    if (index >= 0)
        reportType = index;
}

void ScheduleDialogModel::Reset()
{
    hour = kFirstHourSelection + 1;
    minute = 0;
    reportType = ReportType::plainText;
    address.clear();
}

void ScheduleDialogModel::TakeCurrent(const ScheduleDisplay& current)
{
    address = current.email;
    reportType = current.reportType;
    const std::optional<ClockTime> time = ParseStoredTime(current.storedTime);
    // Midnight cannot be chosen; such a time keeps the first offer.
    if (time && time->hour >= 1) {
        hour = time->hour;
        minute = time->minute;
    }
}

ScheduleRecord ScheduleDialogModel::Record(const std::string& address) const
{
    ScheduleRecord record;
    record.profilePath = profilePath;
    record.email = address;
    record.hour = hour;
    record.minute = minute;
    record.dayHalf = DayHalf();
    record.reportType = reportType;
    return record;
}

ScheduleSaveResult SaveSchedule(const ScheduleRecord& record, const std::string& recordPath,
                                ScheduleService& service, CivilDate today)
{
    if (!service.EnsureRunning())
        return {false, ScheduleMessages::cannotStart};
    service.DeleteJob();
    if (!service.CreateJob())
        return {false, ScheduleMessages::cannotSchedule};
    // A job without a trigger never runs, and one whose record could not be
    // written would deliver the old one: the user is told nothing is
    // scheduled, so nothing may be.
    if (!service.ActivateJob(today, record.hour, record.minute)) {
        service.DeleteJob();
        return {false, ScheduleMessages::cannotActivate};
    }
    if (!WriteScheduleRecord(recordPath, record)) {
        service.DeleteJob();
        return {false, ScheduleMessages::cannotSave};
    }
    return {true, ScheduledSuccessText(record)};
}

ScheduleEntry ChooseScheduleEntry(const std::string& recordPath, ScheduleService& service)
{
    // Without a record, or without a scheduler to ask, there is nothing to
    // show; the record stays either way, since the job may still run.
    if (!CanOpenForReading(recordPath) || !service.EnsureRunning())
        return ScheduleEntry::ScheduleDialog;
    return service.IsJobScheduled() ? ScheduleEntry::CurrentlyScheduled : ScheduleEntry::ScheduleDialog;
}

bool EndScheduleOfDeletedProfile(const std::string& recordPath, const std::string& profilePath,
                                 ScheduleService& service, const std::function<bool(const std::string&)>& ask)
{
    if (!IsProfileScheduled(recordPath, profilePath))
        return true;
    if (!ask(kScheduledProfileQuestion))
        return false;
    if (service.EnsureRunning())
        service.DeleteJob();
    RemoveScheduleRecord(recordPath);
    return true;
}
