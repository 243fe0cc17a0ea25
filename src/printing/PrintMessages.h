#pragma once
// Message-box texts of printing. The trailing blanks and line breaks are part
// of the texts; boxes have the caption "Oracline", no owner and are
// task-modal.

// Stop icon: a printer without raster capabilities.
inline constexpr const char* kPrinterNotRaster = "Set your printer to graphics mode: raster.    ";

// Stop icon: the image's path could not be converted for printing. The text
// is the one the hourly analysis has always shown for it.
inline constexpr const char* kHourlyAnalysisNotSaved = "Unable to save Hourly Analysis.    ";

// Question icon, Yes and No: printing on 4 x 6 photo paper. Yes keeps the
// image's ratio, No stretches it to exactly 6 x 4 inches.
inline constexpr const char* kPhotoRatioQuestion =
    "Would you like Oracline to adjust report's width for you?    \n\n"
    "Answer \"Yes\" - if you want to keep original report's ratio intact.\n"
    "Answer \"No\" - if you want to print it exactly 4 x 6.    ";
