#pragma once
#include <string>

// The fixed places the program keeps its files. They do not depend on where
// the program was started from.
namespace DataPaths {
inline const char* const programFilesDirectory = "C:\\Program Files\\";
inline const char* const dataDirectory = "C:\\Program Files\\Oracline\\";
inline const char* const reportsDirectory = "C:\\Program Files\\Oracline\\Reports\\";
inline const char* const scheduleRecordPath = "C:\\Program Files\\Oracline\\task.dtr";
} // namespace DataPaths
