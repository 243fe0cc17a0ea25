#pragma once

// The fixed names of the program's places. The account's own folders are
// found at run time (src/win/AccountFolders.h); the portable code takes them
// as arguments.
namespace DataPaths {
// The program folder: the programs, the readme and the sign images, written
// by administrators only and never at run time. Earlier versions kept every
// account's data here too, which is where an account's first start still
// finds it.
inline const char* const programDirectory = "C:\\Program Files\\Oracline\\";
inline const char* const sharedReportsDirectory = "C:\\Program Files\\Oracline\\Reports\\";

// The account's data folder in its roaming application data, and its
// reports folder in its Pictures.
inline const char* const dataFolderName = "Oracline";
inline const char* const reportsFolderName = "Oracline Reports";

inline const char* const scheduleRecordName = "task.dtr";

// The names of the program's own files in the data directory. No profile may
// be stored under one of them (compared without regard to case, as Windows
// does), so a file that joins the data directory joins this list.
inline const char* const ownFileNames[] = {"oc.ini", "contacts.ini", "task.dtr", "delivery.log", "mail.ini"};
} // namespace DataPaths
