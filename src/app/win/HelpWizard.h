#pragma once
// The Help Wizard (dialog 129): a list of topics and the chosen one's page in
// a hosted browser, which follows the same navigation filter as every page
// window.
#include "win/Dialog.h"

#include <memory>
#include <string>

class PageHost;

class HelpWizard : public Dialog {
public:
    HelpWizard();
    ~HelpWizard() override;

protected:
    void OnInitDialog() override;

private:
    void ShowTopic();

    std::unique_ptr<PageHost> pageHost_;
};
