#pragma once
// The unattended run the daily job starts: today's report for the recorded
// profile, mailed to the recorded address as an image or as plain text,
// without any window or message. It never changes the record or the job.
#include "base/Clock.h"
#include "daily/ReportDrawing.h"
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
    // A sender for one message; null, or one whose TakeError reports a
    // missing mail library, means there is no way to send.
    std::function<std::unique_ptr<MailSender>()> createSender;
    // Draws the report on the image surface and writes it as JPEG to the
    // path; false without a JPEG encoder or when saving failed.
    std::function<bool(const std::string& path, const ReportInput& report)> renderImage;
};

// Today's report as the mailed image shows it: the daily title and the five
// readings as computed (1 to 100), not clamped as in the window.
ReportInput MailedReportInput(const std::string& profilePath, CivilDate today);

// Runs one delivery of a deliverable record and says how it went, for the
// log (`when` is left to the caller).
DeliveryLogEntry DeliverScheduledReport(const ScheduleRecord& record, const std::string& reportsDirectory,
                                        const Clock& clock, const DeliveryTools& tools);
