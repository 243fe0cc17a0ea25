#include "schedule/ScheduledDelivery.h"

#include "base/TextLines.h"
#include "engine/Cycles.h"
#include "engine/DailyReadingSet.h"
#include "engine/PersonalNumbers.h"
#include "mail/SendMail.h"
#include "platform/FileOps.h"
#include "profiles/DescriptionRules.h"
#include "profiles/ProfileFile.h"
#include "schedule/ScheduleDialogModel.h"

namespace {

const char* const kPlainTextForm = "plain text";
const char* const kFullColoursForm = "full colours";
const char* const kFallBackForm = "plain text (report image failed)";
const char* const kProfileExtension = ".ini";

std::string Send(const DeliveryTools& tools, const std::string& email, const std::string& body,
                 const std::string& attachment)
{
    std::unique_ptr<MailSender> sender = tools.createSender ? tools.createSender() : nullptr;
    if (!sender)
        return SendResultText({SendResult::noMailLibrary, 0, {}});
    OutgoingMail mail;
    mail.recipients = {email};
    mail.originator = kDeliveryOriginator;
    mail.subject = kDeliverySubject;
    mail.body = body;
    if (!attachment.empty())
        mail.attachments.push_back({attachment, kMailedReportName});
    return SendResultText(SendMail(*sender, mail));
}

bool IsSingleAddress(const std::string& address)
{
    if (!CheckAddress(address).empty())
        return false;
    for (char c : address) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == ';' || c == ',')
            return false;
    }
    return true;
}

} // namespace

bool IsScheduledRunArgument(const std::string& commandLine, const std::string& recordPath)
{
    return !recordPath.empty() && (commandLine == recordPath || commandLine == '"' + recordPath + '"');
}

ReportInput MailedReportInput(const Profile& recorded, CivilDate today)
{
    ReportInput report;
    Profile profile = recorded;
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

std::string RecordRefusal(const ScheduleRecord& record, const std::string& dataDirectory, Profile& profile)
{
    const std::string& path = record.profilePath;
    const std::size_t nameLength = path.size() - std::min(path.size(), dataDirectory.size());
    const std::size_t extension = std::char_traits<char>::length(kProfileExtension);
    if (path.compare(0, dataDirectory.size(), dataDirectory) != 0 || nameLength <= extension ||
        path.compare(path.size() - extension, extension, kProfileExtension) != 0 ||
        !IsStorableDescription(path.substr(dataDirectory.size(), nameLength - extension)))
        return "the profile is not a profile file of the data folder";
    std::string bytes;
    if (!ReadSmallFile(path, bytes))
        return "the profile is missing or not a regular file of at most 1 MiB";
    profile = Profile();
    ReadProfileTextForEngine(bytes, profile);
    if (profile.fullName.empty())
        return "the profile holds no name the program would write";
    if (!IsSingleAddress(record.email))
        return "the address is not a single e-mail address";
    return "";
}

DeliveryLogEntry DeliverScheduledReport(const ScheduleRecord& record, const Profile& profile, const Clock& clock,
                                        const DeliveryTools& tools)
{
    DeliveryLogEntry entry;
    entry.profile = ScheduledFileName(record.profilePath);
    entry.email = record.email;
    entry.form = kPlainTextForm;

    if (record.reportType == ReportType::fullColours) {
        const std::string image = tools.createImageFile ? tools.createImageFile() : "";
        const bool rendered = !image.empty() && tools.renderImage &&
                              tools.renderImage(image, MailedReportInput(profile, clock.Today()));
        if (rendered) {
            entry.form = kFullColoursForm;
            entry.outcome = Send(tools, record.email, kDeliverySubject, image);
        }
        if (!image.empty())
            RemoveFileForced(image);
        if (rendered)
            return entry;
        entry.form = kFallBackForm;
    }

    const std::string text = ComposeDailyText(profile, clock.Today());
    entry.outcome = text.empty() ? "nothing to send" : Send(tools, record.email, text, "");
    return entry;
}

DeliveryLogEntry RunScheduledDelivery(const std::string& recordPath, const std::string& dataDirectory,
                                      const Clock& clock, const DeliveryTools& tools)
{
    ScheduleRecord record;
    Profile profile;
    const std::string refusal = ReadScheduleRecordForDelivery(recordPath, record)
                                    ? RecordRefusal(record, dataDirectory, profile)
                                    : "there is no readable schedule record";
    if (refusal.empty())
        return DeliverScheduledReport(record, profile, clock, tools);
    DeliveryLogEntry entry;
    entry.profile = ScheduledFileName(record.profilePath);
    entry.email = record.email;
    entry.form = "nothing sent";
    entry.outcome = "record refused: " + refusal;
    return entry;
}
