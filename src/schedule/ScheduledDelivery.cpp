#include "schedule/ScheduledDelivery.h"

#include "engine/Cycles.h"
#include "engine/DailyReadingSet.h"
#include "engine/PersonalNumbers.h"
#include "mail/MailSender.h"
#include "platform/FileOps.h"
#include "profiles/ProfileFileReadings.h"

namespace {

const char* const kPlainTextForm = "plain text";
const char* const kFullColoursForm = "full colours";
const char* const kFallBackForm = "plain text (report image failed)";

// Fills and sends one message; the outcome text for the log.
std::string Send(const DeliveryTools& tools, const std::string& email, const std::string& body,
                 const std::string& attachment)
{
    std::unique_ptr<MailSender> sender = tools.createSender ? tools.createSender() : nullptr;
    if (!sender)
        return "no mail library";
    const int error = sender->TakeError();
    if (error == MailSender::kNoMailLibrary || error == MailSender::kMissingEntryPoint)
        return "no mail library";
    sender->AddRecipient(email);
    sender->SetOriginatorName(kDeliveryOriginator);
    sender->SetSubject(kDeliverySubject);
    if (!attachment.empty())
        sender->AddAttachment(attachment);
    sender->SetBody(body);
    const unsigned long result = sender->Send(0);
    return result == MapiResult::kSuccess ? "sent" : "MAPI result " + std::to_string(result);
}

} // namespace

ReportInput MailedReportInput(const std::string& profilePath, CivilDate today)
{
    ReportInput report;
    Profile profile = LoadProfile(profilePath);
    ComputeDailySet(profile, today, report.set);
    report.title = report.set.Title;
    profile.SetAnalysisDate(today);
    ComputeNumbers(profile);
    report.set.Emotional = EmotionalReading(profile);
    report.set.Physical = PhysicalReading(profile);
    report.set.Intellectual = IntellectualReading(profile);
    report.set.Intuition = IntuitionReading(profile);
    report.set.Fortune = FortuneReading(profile);
    return report;
}

DeliveryLogEntry DeliverScheduledReport(const ScheduleRecord& record, const std::string& reportsDirectory,
                                        const Clock& clock, const DeliveryTools& tools)
{
    DeliveryLogEntry entry;
    entry.profile = ScheduledFileName(record.profilePath);
    entry.email = record.email;
    entry.form = kPlainTextForm;

    if (record.reportType == ReportType::fullColours) {
        const std::string image = reportsDirectory + kMailedReportName;
        RemoveFileForced(image);
        const bool rendered =
            tools.renderImage && tools.renderImage(image, MailedReportInput(record.profilePath, clock.Today()));
        if (rendered) {
            entry.form = kFullColoursForm;
            entry.outcome = Send(tools, record.email, kDeliverySubject, image);
            return entry;
        }
        entry.form = kFallBackForm;
    }

    const std::string text = ComposeDailyText(record.profilePath, clock);
    entry.outcome = text.empty() ? "nothing to send" : Send(tools, record.email, text, "");
    return entry;
}
