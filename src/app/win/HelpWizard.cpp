#include "app/win/HelpWizard.h"

#include "HelpWizardIds.h"
#include "app/HelpTopics.h"
#include "pages/HelpPage.h"
#include "pages/win/PageHost.h"
#include "pages/win/PageFolder.h"
#include "win/ComboBox.h"
#include "win/WaitCursor.h"

HelpWizard::HelpWizard() : Dialog(IDD_HELP_WIZARD)
{
    // Windows reports a click on the entry already chosen as a change too,
    // so choosing a topic again rewrites and reloads its page.
    OnCommand(IDC_HELP_TOPICS, CBN_SELCHANGE, [this] { ShowTopic(); });
}

// Out of line, where PageHost is complete.
HelpWizard::~HelpWizard() = default;

void HelpWizard::OnInitDialog()
{
    UseBoldFont({IDC_HELP_TOPICS});
    pageHost_ = std::make_unique<PageHost>(Handle(), IDC_HELP_BROWSER, ProgramPageFolder());
    ComboBox topics(Handle(), IDC_HELP_TOPICS);
    topics.Clear();
    for (int topic = 0; topic < kHelpTopicCount; ++topic)
        topics.Add(HelpTopicName(topic));
    topics.Select(0);
    ShowTopic();
}

void HelpWizard::ShowTopic()
{
    const int topic = ComboBox(Handle(), IDC_HELP_TOPICS).Selection();
    if (topic < 0 || !pageHost_)
        return;
    WaitCursor wait;
    pageHost_->Navigate(WriteHelpPage(ProgramPageFolder(), HelpTopicText(topic)));
}
