#pragma once
// Where the running account keeps what the program makes for it: the data
// folder ("Oracline" in its roaming application data: the index, the
// profiles, the contacts, the schedule record and its log) and the reports
// folder ("Oracline Reports" in its Pictures). Only the account itself and
// administrators can write either, so nothing another account put there can
// steer what this account's program reads, sends or replaces. Each is found
// once per run, through the known-folder API.
#include <string>

// Each ends in its separator; empty when Windows cannot name the folder.
const std::string& AccountDataDirectory();
const std::string& AccountReportsDirectory();

// The account's schedule record: the file its daily job names on the command
// line.
std::string ScheduleRecordPath();

// Creates the data and reports folders where they are missing. False when the
// data folder is unknown or cannot be made: then nothing can be kept.
bool CreateAccountFolders();
