#include "schedule/ScheduledDelivery.h"

#include "base/AsciiText.h"
#include "base/TextLines.h"
#include "engine/DailyReadingSet.h"
#include "mail/MailSettings.h"
#include "mail/MailSender.h"
#include "platform/FileOps.h"
#include "profiles/DescriptionRules.h"
#include "profiles/ProfileFile.h"
#include "schedule/ScheduleDialogModel.h"

#include <algorithm>

namespace {

const char* const kPlainTextForm = "plain text";
const char* const kFullColoursForm = "full colours";
const char* const kFallBackForm = "plain text (report image failed)";
const char* const kProfileExtension = ".ini";
const char* const kNothingSent = "nothing sent";

std::string Send(const DeliveryTools& tools, const std::string& email, const std::string& body,
                 const std::string& attachment)
{
    std::unique_ptr<MailSender> sender = tools.createSender ? tools.createSender() : nullptr;
    if (!sender)
        return NoMailLibraryReport().logText;
    OutgoingMail mail;
    mail.recipients = {email};
    mail.originator = kDeliveryOriginator;
    mail.subject = kDeliverySubject;
    mail.body = body;
    if (!attachment.empty())
        mail.attachments.push_back({attachment, kMailedReportName});
    return sender->Send(mail).logText;
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

bool IsScheduledRunCommandLine(const std::string& commandLine, const std::string& recordPath)
{
    if (recordPath.empty())
        return false;
    // Wine's scheduler gives the parameters alone; Windows puts the program
    // first.
    for (const std::string& record : {recordPath, '"' + recordPath + '"'}) {
        if (commandLine == record)
            return true;
        if (commandLine.size() <= record.size() ||
            commandLine.compare(commandLine.size() - record.size(), record.size(), record) != 0)
            continue;
        const std::string before = commandLine.substr(0, commandLine.size() - record.size());
        const std::size_t programEnd = before.find_last_not_of(" \t");
        if (programEnd == std::string::npos || programEnd + 1 == before.size())
            continue;
        const std::string program = before.substr(0, programEnd + 1);
        const std::size_t quotes = std::count(program.begin(), program.end(), '"');
        const bool quoted = quotes == 2 && program.size() > 2 && program.front() == '"' && program.back() == '"';
        // Unquoted, the program is one word, or a path with blanks that
        // ends in the program's own extension.
        const bool plain = quotes == 0 && (program.find_first_of(" \t") == std::string::npos ||
                                           (program.size() > 4 && LowerAscii(program.substr(program.size() - 4)) == ".exe"));
        if (quoted || plain)
            return true;
    }
    return false;
}

ReportInput MailedReportInput(const Profile& recorded, CivilDate today)
{
    ReportInput report;
    ComputeUnclampedDailySet(recorded, today, report.set);
    report.title = report.set.Title;
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
        return "the profile holds no name";
    if (!IsSingleAddress(record.email))
        return "the address is not a single e-mail address";
    // Data another account could have left in the shared folder is mailed
    // only once the user has seen what goes where.
    if (record.awaitsConfirmation)
        return "the schedule copied from an earlier version awaits Save in the Schedule dialog";
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
    DeliveryLogEntry entry;
    entry.profile = ScheduledFileName(record.profilePath);
    entry.email = record.email;
    entry.form = kNothingSent;
    if (!refusal.empty()) {
        entry.outcome = "record refused: " + refusal;
        return entry;
    }
    // Settings that choose the mail server are the only route: the run
    // never hands the mail to another one, and says which value to mend.
    MailSettings settings;
    ReadMailSettings(dataDirectory + kMailSettingsFileName, settings);
    if (const char* unusable = UnusableServerSetting(settings)) {
        entry.outcome = std::string("mail settings refused: ") + unusable + " in " + kMailSettingsFileName +
                        " is missing or unusable";
        return entry;
    }
    // A scheduler may start the job twice in a day (Wine starts it early
    // when another job falls due, and on time again; a missed run is
    // caught up once the user logs on): one mail a day is what was asked.
    if (WasDeliveredOn(dataDirectory + kDeliveryLogName, clock.Today(), entry.profile, entry.email)) {
        entry.outcome = kAlreadyDeliveredOutcome;
        return entry;
    }
    return DeliverScheduledReport(record, profile, clock, tools);
}
