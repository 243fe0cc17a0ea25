#pragma once
// What the Schedule dialog (177) holds and decides, apart from its controls:
// the list entries, the day-half label, the address checks, and Save's order
// of registering the job and writing the record. The dialog copies values
// between its controls and this model.
#include "base/Clock.h"
#include "schedule/ScheduleRecord.h"

#include <functional>
#include <string>
#include <vector>

class ScheduleService;

inline constexpr int kLongestAddress = 100;
inline constexpr int kFirstHourSelection = 6;  // "07"

// "01" ... "23": midnight cannot be chosen.
std::vector<std::string> HourEntries();
// "00" ... "59".
std::vector<std::string> MinuteEntries();
// Plain text first, then full colours, in report-type order.
std::vector<std::string> ReportTypeEntries();

// The refusal for a typed address, or an empty text when it can be used:
// 1 to 100 characters with an "@" anywhere.
std::string CheckAddress(const std::string& address);

// The confirmation after a successful Save.
std::string ScheduledSuccessText(const ScheduleRecord& record);

class ScheduleDialogModel {
public:
    explicit ScheduleDialogModel(const std::string& profilePath) : profilePath(profilePath) {}

    // List selections; -1 (nothing selected) is ignored.
    void HourSelected(int index);
    void MinuteSelected(int index);
    void TypeSelected(int index);
    // Close forgets the choices.
    void Reset();
    // Change from the Currently Scheduled dialog starts from what is
    // scheduled: address, time and form.
    void TakeCurrent(const ScheduleDisplay& current);

    std::string DayHalf() const { return DayHalfOf(hour); }
    ScheduleRecord Record(const std::string& address) const;

    std::string profilePath;
    int hour = kFirstHourSelection + 1;  // 1..23; the hour list shows hour - 1 selected
    int minute = 0;
    int reportType = ReportType::plainText;
    std::string address;  // shown when the dialog opens
};

// What Save ends in: the message to show, and whether the dialog closes.
struct ScheduleSaveResult {
    bool saved = false;
    std::string message;  // an error unless `saved`
};

// Replaces the job, then writes the record: the old job is deleted only just
// before the new one is created, so a failure before that keeps the old
// delivery, and the old record stays until the new job is complete. A job
// that cannot be activated, or whose record cannot be written, is deleted
// again.
ScheduleSaveResult SaveSchedule(const ScheduleRecord& record, const std::string& recordPath,
                                ScheduleService& service, CivilDate today);

// The main window's Schedule button: which dialog opens first.
enum class ScheduleEntry { ScheduleDialog, CurrentlyScheduled };
ScheduleEntry ChooseScheduleEntry(const std::string& recordPath, ScheduleService& service);

inline constexpr const char* kScheduledProfileQuestion =
    "This profile is used for daily email delivery.    \nIf you delete it, daily email delivery will end "
    "too.    \n\nDo you want to continue?    ";

// Before a profile is deleted: when it is the scheduled one, asks (through
// `ask`, true for Yes) and on Yes deletes the job and the record. False when
// the user said No and nothing may be deleted.
bool EndScheduleOfDeletedProfile(const std::string& recordPath, const std::string& profilePath,
                                 ScheduleService& service, const std::function<bool(const std::string&)>& ask);

namespace ScheduleMessages {
inline constexpr const char* enterAddress = "Please enter Email Address first.    ";
inline constexpr const char* addressTooLong = "Email Address is limited to 100 characters.    ";
inline constexpr const char* addressNotValid = "Email Address is not valid.     ";
inline constexpr const char* cannotSave = "Unable to save profile.    ";
inline constexpr const char* cannotStart = "Unable to start Task Scheduler.    ";
inline constexpr const char* cannotSchedule = "Unable to schedule Daily Report.    ";
inline constexpr const char* cannotActivate = "Unable to activate Daily Report.    ";
} // namespace ScheduleMessages

