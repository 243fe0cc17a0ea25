#include "profiles/ProfileEditorChecks.h"

#include <gtest/gtest.h>

namespace {

using namespace EditorMessages;

// A profile that passes every check; each case spoils it in one way.
Profile Valid()
{
    Profile p;
    p.description = "Work";
    p.fullName = "Sam Example";
    p.yourYear = 1970;
    return p;
}

TEST(ProfileEditorChecks, FirstFailingCheckDecides)
{
    struct Case {
        const char* what;
        void (*spoil)(Profile&);
        const char* message;
    } cases[] = {
        {"valid", [](Profile&) {}, ""},
        {"everything blank", [](Profile& p) { p.description.clear(); p.fullName.clear(); }, kDescriptionEmpty},
        {"101-character description and no name",
         [](Profile& p) { p.description.assign(101, 'd'); p.fullName.clear(); }, kDescriptionTooLong},
        {"100-character description", [](Profile& p) { p.description.assign(100, 'd'); }, ""},
        {"slash and no name", [](Profile& p) { p.description = "a/b"; p.fullName.clear(); },
         kDescriptionNotAFileName},
        {"too long beats bad characters", [](Profile& p) { p.description = std::string(101, '?'); },
         kDescriptionTooLong},
        {"no name", [](Profile& p) { p.fullName.clear(); }, kNameEmpty},
        {"101-character name", [](Profile& p) { p.fullName.assign(101, 'n'); }, kNameTooLong},
        {"100-character name", [](Profile& p) { p.fullName.assign(100, 'n'); }, ""},
        {"long name before mother",
         [](Profile& p) { p.fullName.assign(101, 'n'); p.useMotherBirthday = true; p.motherYear = 1990; },
         kNameTooLong},
        {"mother before father",
         [](Profile& p) {
             p.useMotherBirthday = p.useFatherBirthday = true;
             p.motherYear = 1975;
             p.fatherYear = 1980;
         },
         kOlderThanMother},
        {"father checked when mother passes",
         [](Profile& p) {
             p.useMotherBirthday = p.useFatherBirthday = true;
             p.motherYear = 1940;
             p.fatherYear = 1965;
         },
         kFatherTooYoung},
    };
    for (const Case& c : cases) {
        Profile p = Valid();
        c.spoil(p);
        EXPECT_EQ(FirstInputProblem(p), c.message) << c.what;
    }
}

TEST(ProfileEditorChecks, ParentYearsAgainstOwnYear)
{
    // Own year 1970 throughout; only years count, never months or days.
    struct Case {
        int parentYear;
        bool mother;  // else father
        const char* message;
    } cases[] = {
        {1971, true, kOlderThanMother},  {1970, true, kMotherTooYoung},  {1961, true, kMotherTooYoung},
        {1960, true, ""},                {1900, true, ""},               {1971, false, kOlderThanFather},
        {1970, false, kFatherTooYoung},  {1961, false, kFatherTooYoung}, {1960, false, ""},
        {-2147483647 - 1, true, ""},     {2147483647, false, kOlderThanFather},
    };
    for (const Case& c : cases) {
        Profile p = Valid();
        p.yourMonth = 1;
        p.motherMonth = p.fatherMonth = 12;
        (c.mother ? p.useMotherBirthday : p.useFatherBirthday) = true;
        (c.mother ? p.motherYear : p.fatherYear) = c.parentYear;
        EXPECT_EQ(FirstInputProblem(p), c.message) << c.parentYear << (c.mother ? " mother" : " father");
    }
}

TEST(ProfileEditorChecks, SwitchedOffParentTakesNoPart)
{
    Profile p = Valid();
    p.motherYear = 2000;
    p.fatherYear = 1970;
    EXPECT_EQ(FirstInputProblem(p), "");
}

TEST(ProfileEditorChecks, DescriptionsThatCannotNameAFile)
{
    for (const char* bad : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "tab\there",
                            "CON", "con", "Nul", "COM1", "lpt9", "aux", "PRN"}) {
        Profile p = Valid();
        p.description = bad;
        EXPECT_EQ(FirstInputProblem(p), kDescriptionNotAFileName) << bad;
    }
    for (const char* good : {"My Work", " padded ", "CONsole", "Müller", "a.b", "NULL"}) {
        Profile p = Valid();
        p.description = good;
        EXPECT_EQ(FirstInputProblem(p), "") << good;
    }
}

} // namespace
