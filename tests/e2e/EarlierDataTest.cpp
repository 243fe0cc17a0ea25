// An account meeting the data an earlier version kept in the program folder:
// the earlier version's job runs first, then the account starts Oracline
// twice. The copy's rules, the record it writes and the notice's words are
// unit-tested; this proves the real exe, the Task Scheduler and the message
// box go along.
#include "driver/Driver.h"
#include "res/MainWindowIds.h"

using namespace e2e;

TEST(EarlierData, TheSharedJobBecomesTheAccountsAndTheDataIsCopiedOnce)
{
    ResetDataDirectory();
    RemoveScheduledJobs();
    PrepareMailRecord();
    const TestProfile jane{"Jane Doe", "Jane Doe", 5, 4, 1990};
    const std::string program = ProgramDirectory() + "Oracline.exe", sharedRecord = ProgramDirectory() + "task.dtr";
    WriteFileBytes(ProgramDirectory() + "oc.ini", IndexFileText({jane}));
    WriteFileBytes(ProgramDirectory() + "Jane Doe.ini", ProfileFileText(jane));
    WriteFileBytes(sharedRecord, "Profile:" + ProgramDirectory() + "Jane Doe.ini\r\nEmail:jane@example.com\r\n"
                                 "Time:7:0AM\r\nType:0\r\n");

    // The earlier job's run, the job naming another program: the data is
    // copied, the job becomes the account's own on the installed program and
    // its own record, held off, and nothing is mailed until the user has
    // seen what would be.
    ASSERT_TRUE(CreateJob("Daily Analysis Report", "C:\\elsewhere\\run.exe", ProgramDirectory(), sharedRecord, 7, 0));
    ProgramRun scheduled(sharedRecord);
    ASSERT_TRUE(scheduled.WaitForExit());
    const std::string ownRecord = DataDirectory() + "task.dtr";
    EXPECT_EQ(ScheduledJobs(), std::vector<std::string>{AccountJobName() + "|" + program + "|" +
                                                        DataDirectory().substr(0, DataDirectory().size() - 1) + "|" +
                                                        ownRecord + "|off|2020-01-01 type 1 every 1 at 7:00;"});
    EXPECT_EQ(DataFile("Jane Doe.ini") + std::to_string(ReadMailRecord().size()), ProfileFileText(jane) + "0");
    EXPECT_NE(DataFile("delivery.log").find(", Jane Doe.ini, jane@example.com, nothing sent, record refused: "), std::string::npos);

    // The next start says once where the data is; later ones take nothing
    // more from the shared folder.
    WriteFileBytes(ProgramDirectory() + "oc.ini", IndexFileText({jane, {"Bo Smith", "Bo", 1, 2, 1980}}));
    for (const bool first : {true, false}) {
        ProgramRun run;
        const MessageBoxSeen notice = WaitForMessageBox(run.ProcessId(), first ? kWaitMs : 500);
        EXPECT_EQ(static_cast<bool>(notice), first);
        if (notice) {
            EXPECT_NE(notice.text.find(DataDirectory() + " and your reports in " + ReportsDirectory()), std::string::npos) << notice.text;
            AnswerMessageBox(notice, IDOK);
        }
        HWND window = WaitForDialog(run.ProcessId(), kMainWindowCaption);
        ASSERT_TRUE(window);
        EXPECT_EQ(ListViewDriver(GetDlgItem(window, IDC_PROFILE_LIST)).RowCount(), 1);
        CloseDialog(window);
        EXPECT_TRUE(run.WaitForExit());
    }
}
