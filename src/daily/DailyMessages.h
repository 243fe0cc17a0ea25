#pragma once
// Message-box texts of the Daily Analysis window, its image export, its
// printing and the hourly window. The trailing blanks and line breaks are part
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

// Stop icon: a printer without raster capabilities.
inline constexpr const char* kPrinterNotRaster = "Set your printer to graphics mode: raster.    ";

// Stop icon: the hourly image's path buffer could not be had (also used when
// printing an image file runs into the same failure), and the hourly image
// could not be written.
inline constexpr const char* kHourlyAnalysisNotSaved = "Unable to save Hourly Analysis.    ";
inline constexpr const char* kHourlyReportNotSaved = "Unable to save Hourly Report.    ";

// Question icon, Yes and No: printing on 4 x 6 photo paper. Yes keeps the
// image's ratio, No stretches it to exactly 6 x 4 inches.
inline constexpr const char* kPhotoRatioQuestion =
    "Would you like Oracline to adjust report's width for you?    \n\n"
    "Answer \"Yes\" - if you want to keep original report's ratio intact.\n"
    "Answer \"No\" - if you want to print it exactly 4 x 6.    ";
