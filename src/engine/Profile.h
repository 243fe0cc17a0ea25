#pragma once
#include "base/CivilDate.h"

#include <string>

// One person, as stored in a profile file, plus the figures the engine
// derives for one analysed date. A new record stands for somebody born on
// January 1, 1900 with no parents' dates and automatic calibration; the file
// readers only overwrite what the file actually holds.
struct Profile {
    std::string description;
    std::string fullName;

    int yourMonth = 1;
    int yourDate = 1;
    int yourYear = 1900;

    bool useMotherBirthday = false;
    int motherMonth = 1;
    int motherDate = 1;
    int motherYear = 1900;

    bool useFatherBirthday = false;
    int fatherMonth = 1;
    int fatherDate = 1;
    int fatherYear = 1900;

    // On: the user gave a remembered good and bad day ("Manual");
    // off: both are derived from the family numbers ("Automatic").
    bool manualCalibration = false;
    int goodMonth = 1;
    int goodDate = 1;
    int goodYear = 1900;
    int badMonth = 1;
    int badDate = 1;
    int badYear = 1900;

    // Filled by the engine for one computation; the caller sets the analysed
    // date, ComputeNumbers derives the rest.
    int analysisYear = 0;
    int analysisMonth = 0;
    int analysisDay = 0;
    int hourCount = 0;
    int ownNumber = 0;
    int motherNumber = 0;
    int fatherNumber = 0;
    int goodNumber = 0;
    int badNumber = 0;

    CivilDate Birthday() const { return {yourYear, yourMonth, yourDate}; }
    CivilDate AnalysisDate() const { return {analysisYear, analysisMonth, analysisDay}; }
    void SetAnalysisDate(const CivilDate& date)
    {
        analysisYear = date.year;
        analysisMonth = date.month;
        analysisDay = date.day;
    }
};

// One row of the main window's profile list and of the index file "oc.ini".
struct ProfileIndexEntry {
    std::string fullName;
    std::string description;
    std::string calibration;  // "Manual" or "Automatic"
};
