#include "app/SharedDataImport.h"

#include "base/AsciiText.h"
#include "base/DataPaths.h"
#include "base/SafeFileWriter.h"
#include "base/TextLines.h"
#include "composer/Contacts.h"
#include "platform/FileOps.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileIndex.h"
#include "schedule/ScheduleRecord.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

const char* const kNoticeName = "copied.txt";
const char* const kProfileKey = "Profile:";
// A saved report is a JPEG of a few hundred kilobytes; a file far larger is
// none of the program's.
constexpr long long kLargestReport = 64LL << 20;

bool EndsWithJpg(const std::string& name)
{
    return name.size() > 4 && LowerAscii(name.substr(name.size() - 4)) == ".jpg";
}

void CopyDataFile(const DataFolders& folders, const std::string& name)
{
    CopyNewFile(folders.shared + name, folders.data + name, kMaxDataFileBytes);
}

} // namespace

SharedDataImport ImportSharedData(const DataFolders& folders)
{
    const std::string index = ProfileIndexPath(folders.data);
    if (!IsMissingFile(index) || !CanOpenForReading(ProfileIndexPath(folders.shared)))
        return SharedDataImport::nothingToCopy;

    for (const ProfileIndexEntry& row : ReadProfileIndex(folders.shared))
        CopyDataFile(folders, row.description + ".ini");
    CopyDataFile(folders, kContactsFileName);
    std::string record;
    const std::string ownRecord = folders.data + DataPaths::scheduleRecordName;
    if (IsMissingFile(ownRecord) && ReadSmallFile(folders.shared + DataPaths::scheduleRecordName, record))
        WriteTextFileSafely(ownRecord, RepointScheduleRecord(record, folders));
    for (const std::string& name : ListFiles(folders.sharedReports))
        if (EndsWithJpg(name))
            CopyNewFile(folders.sharedReports + name, folders.reports + name, kLargestReport);

    if (!CopyNewFile(ProfileIndexPath(folders.shared), index, kMaxDataFileBytes))
        return SharedDataImport::failed;
    WriteTextFileSafely(folders.data + kNoticeName, ImportNoticeText(folders) + "\n");
    return SharedDataImport::copied;
}

std::string RepointScheduleRecord(const std::string& recordText, const DataFolders& folders)
{
    // Held back until the user confirms it: another account could have
    // written the shared record, and it would mail through this account.
    std::string text = std::string(kCopiedRecordKey) + folders.shared + "\n";
    ForEachLineIn(recordText, [&](const std::string& line) {
        const std::string value = StartsWithKey(line, kProfileKey) ? line.substr(8) : "";
        const std::string name = value.substr(std::min(value.size(), folders.shared.size()));
        if (!name.empty() && LowerAscii(value.substr(0, folders.shared.size())) == LowerAscii(folders.shared) &&
            name.find_first_of("\\/") == std::string::npos)
            text += kProfileKey + folders.data + name + "\n";
        else
            text += line + "\n";
    });
    return text;
}

bool TakeImportNotice(const std::string& dataDirectory)
{
    return RemoveFileForced(dataDirectory + kNoticeName);
}

std::string ImportNoticeText(const DataFolders& folders)
{
    return "Your profiles, contacts and schedule are now kept for your account alone in " + folders.data +
           " and your reports in " + folders.reports + ", copied from " + folders.shared +
           ", where the originals stay as they were.    ";
}

std::string CopiedScheduleText(const std::string& recordPath)
{
    ScheduleRecord record;
    if (!ReadScheduleRecordForDelivery(recordPath, record) || !record.awaitsConfirmation)
        return "";
    const ScheduleDisplay shown = ReadScheduleRecordForDisplay(recordPath);
    const std::optional<ClockTime> time = ParseStoredTime(shown.storedTime);
    char clock[8] = "";
    if (time)
        std::snprintf(clock, sizeof clock, "%02d:%02d", time->hour, time->minute);
    return "\n\nThe daily report of " + shown.profile + " in " +
           (record.reportType == ReportType::fullColours ? "full colors" : "plain text") + " to " + record.email +
           (time ? std::string(" at ") + clock : std::string()) +
           " stays off until you confirm it with Save in the Schedule dialog.    ";
}
