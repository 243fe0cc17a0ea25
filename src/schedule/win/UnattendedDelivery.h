#pragma once
// The scheduled start's work on Windows: the report drawn with GDI+ and
// mailed through Simple MAPI, one line in the delivery log, no window.
#include "schedule/ScheduleRecord.h"

#include <string>

// Needs GDI+ started. Never shows anything and never touches the record.
void RunUnattendedDelivery(const ScheduleRecord& record, const std::string& dataDirectory,
                           const std::string& reportsDirectory);
