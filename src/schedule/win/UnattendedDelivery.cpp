#include "schedule/win/UnattendedDelivery.h"

#include "win/PrivateTempFile.h"
#include "mail/win/MailSenders.h"
#include "schedule/ScheduledDelivery.h"
#include "printing/win/SaveDrawingAsJpeg.h"
#include "win/AccountFolders.h"
#include "win/GdiPlusSession.h"
#include "base/ReportTiming.h"

#include <windows.h>

void RunUnattendedDelivery()
{
    const std::string& dataDirectory = AccountDataDirectory();
    DeliveryTools tools;
    tools.createSender = [] { return CreateConfiguredSender(MailWindows::none); };
    tools.createImageFile = [] { return CreatePrivateTempFile(".jpg"); };
    tools.renderImage = [](const std::string& path, const ReportInput& report) {
        ReportTiming timing("scheduled-report-jpeg");
        const GdiPlusSession gdiplus;
        return SaveDrawingAsJpeg(path, kReportImageWidth, kReportImageHeight, [&report](Canvas& canvas) {
            ImageReport mailed;
            mailed.mailed = true;
            DrawDailyReport(canvas, report, mailed);
        });
    };
    const LocalClock clock;
    ReportTiming timing("scheduled-delivery");
    DeliveryLogEntry entry = RunScheduledDelivery(ScheduleRecordPath(), dataDirectory, clock, tools);

    SYSTEMTIME now{};
    GetLocalTime(&now);
    entry.when = DeliveryTimestamp({now.wYear, now.wMonth, now.wDay}, now.wHour, now.wMinute);
    AppendDeliveryLog(dataDirectory + kDeliveryLogName, FormatDeliveryLogLine(entry));
}
