#pragma once
#include <string>

// The fixed places the program keeps its files. They do not depend on where
// the program was started from.
namespace DataPaths {
inline const char* const programFilesDirectory = "C:\\Program Files\\";
inline const char* const dataDirectory = "C:\\Program Files\\Oracline\\";
inline const char* const reportsDirectory = "C:\\Program Files\\Oracline\\Reports\\";
inline const char* const scheduleRecordPath = "C:\\Program Files\\Oracline\\task.dtr";

// The names of the program's own files in the data directory. No profile may
// be stored under one of them (compared without regard to case, as Windows
// does), so a file that joins the data directory joins this list.
inline const char* const ownFileNames[] = {"oc.ini", "contacts.ini", "task.dtr", "delivery.log", "mail.ini"};
} // namespace DataPaths
