#pragma once
// Message-box texts of the Daily Analysis window and its image export. The
// trailing blanks and line breaks are part
// of the texts. All boxes have the caption "Oracline", no owner window and are
// task-modal; the comment says which icon each takes.

// Stop icon: Prev Day and Next Day for an opening date before 1971.
inline constexpr const char* kPrevDayBefore1971 = "The Prev Day button does not calculate dates before 1971.     ";
inline constexpr const char* kNextDayBefore1971 = "The Next Day button does not calculate dates before 1971.     ";

// Information icon: Email before any Save; Save runs right after it.
inline constexpr const char* kSaveReportFirst = "Please save Daily Report first.     ";

// Stop icon / information icon: the end of Save.
inline constexpr const char* kReportNotSaved = "Unable to save Daily Report.    ";
inline constexpr const char* kReportSaved = "Your Daily Report was saved successfully.     ";
