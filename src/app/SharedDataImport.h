#pragma once
// Earlier versions kept every account's data in the program folder. The
// first start of an account whose own folder holds no index yet, while that
// shared folder holds one, copies the shared data into the account's own
// folders: the index, the profiles it lists, the contacts, the schedule
// record (pointed at the account's copy of its profile) and the reports. The
// originals are never moved, changed or deleted.
#include <string>

struct DataFolders {
    std::string shared;         // the earlier versions' data folder
    std::string sharedReports;  // and its reports
    std::string data;           // the account's own data folder
    std::string reports;        // and its reports folder; each ends in its separator
};

enum class SharedDataImport { nothingToCopy, copied, failed };

// Copies when the account has no index and the shared folder has a readable
// one. A file the account already has is kept, and anything the reader
// would refuse is left behind. The index goes last, so a copy cut short is
// taken up again at the next start; once it is there, a note in the data
// folder says that the account has yet to be told (TakeImportNotice).
SharedDataImport ImportSharedData(const DataFolders& folders);

// The record's text, its "Profile:" lines that name a file directly in the
// shared folder pointed at the same name in the account's folder; every
// other line as it was.
std::string RepointScheduleRecord(const std::string& recordText, const DataFolders& folders);

// True, once, after a copy: the note is taken away as it is read.
bool TakeImportNotice(const std::string& dataDirectory);

// The one sentence that says where the data now is.
std::string ImportNoticeText(const DataFolders& folders);

// What the copied schedule record at `recordPath` would mail daily, to whom
// and when, and that it stays off until the user confirms it; empty when no
// copied record awaits confirmation.
std::string CopiedScheduleText(const std::string& recordPath);
