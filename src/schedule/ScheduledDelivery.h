#pragma once
// The unattended run the daily job starts: today's report for the recorded
// profile, mailed to the recorded address as an image or as plain text,
// without any window or message. It never changes the record or the job.
#include "base/Clock.h"
#include "daily/ReportDrawing.h"
#include "engine/Profile.h"
#include "schedule/DeliveryLog.h"
#include "schedule/ScheduleRecord.h"

#include <functional>
#include <memory>
#include <string>

class MailSender;

inline constexpr const char* kMailedReportName = "report.jpg";
inline constexpr const char* kDeliverySubject = "Daily Report";
inline constexpr const char* kDeliveryOriginator = "Oracline";

// What the run needs from the platform.
struct DeliveryTools {
    // A sender for one message; null means there is no way to send.
    std::function<std::unique_ptr<MailSender>()> createSender;
    // A new file of the running account's own for the image, created for this
    // run and removed after it; empty when none could be made.
    std::function<std::string()> createImageFile;
    // Draws the report on the image surface and writes it as JPEG to the
    // path; false without a JPEG encoder or when saving failed.
    std::function<bool(const std::string& path, const ReportInput& report)> renderImage;
};

// True when the process's whole command line starts the unattended run on
// the account's record, `recordPath` (case as written): the record alone, as
// a scheduler that passes only the parameters starts it, or a program (quoted,
// or one word) followed by blanks and the record; the record either bare or
// within one pair of quotes, blanks in the path or not. Any other text is a
// person starting the program.
bool IsScheduledRunCommandLine(const std::string& commandLine, const std::string& recordPath);

// Today's report as the mailed image shows it: the daily title and the five
// readings as computed (1 to 100), not clamped as in the window.
ReportInput MailedReportInput(const Profile& profile, CivilDate today);

// Why the run must not act on the record, or an empty text when it may, with
// the recorded profile in `profile`. The run sends what the record says to
// whom it says, so the record may name only a profile file directly in the
// data folder, by a name a profile could have (never another folder, a share
// or a device), that is a regular file of at most kMaxDataFileBytes with a
// name the program would write, and one address without control characters.
// The profile is read from the one handle its checks were made on.
std::string RecordRefusal(const ScheduleRecord& record, const std::string& dataDirectory, Profile& profile);

// One delivery of an accepted record for its profile, and how it went, for
// the log (`when` is left to the caller).
DeliveryLogEntry DeliverScheduledReport(const ScheduleRecord& record, const Profile& profile, const Clock& clock,
                                        const DeliveryTools& tools);

// The whole run: the record read and checked, the mail settings checked,
// then delivered, or refused, or passed over when the log shows this
// profile's report already went to this address today; either way one entry
// for the log.
DeliveryLogEntry RunScheduledDelivery(const std::string& recordPath, const std::string& dataDirectory,
                                      const Clock& clock, const DeliveryTools& tools);
