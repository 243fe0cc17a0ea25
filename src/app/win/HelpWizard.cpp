#include "app/win/HelpWizard.h"

#include "HelpWizardIds.h"
#include "app/HelpTopics.h"
#include "pages/HelpPage.h"
#include "pages/win/BrowserControl.h"
#include "pages/win/PageFolder.h"
#include "win/ComboBox.h"
#include "win/WaitCursor.h"

HelpWizard::HelpWizard() : Dialog(IDD_HELP_WIZARD)
{
    // Windows reports a click on the entry already chosen as a change too,
    // so choosing a topic again rewrites and reloads its page.
    OnCommand(IDC_HELP_TOPICS, CBN_SELCHANGE, [this] { ShowTopic(); });
}

// Out of line, where BrowserControl is complete.
HelpWizard::~HelpWizard() = default;

void HelpWizard::OnInitDialog()
{
    UseBoldFont({IDC_HELP_TOPICS});
    browser_ = std::make_unique<BrowserControl>(Handle(), IDC_HELP_BROWSER, ProgramPageFolder());
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
    if (topic < 0 || !browser_)
        return;
    WaitCursor wait;
    browser_->Navigate(WriteHelpPage(ProgramPageFolder(), HelpTopicText(topic)));
}
