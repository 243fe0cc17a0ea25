// The framework's lifetime rules, which no flow through the program can
// reach in a chosen order: the message filters asked while one of them runs,
// and a modeless dialog that goes with its window.
#include "win/Dialog.h"
#include "win/MessageFilters.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// What a modal loop does with each message: true when a filter took it.
bool Offer(UINT message = WM_KEYDOWN)
{
    MSG msg{};
    msg.message = message;
    return CallMsgFilterA(&msg, MSGF_DIALOGBOX) != FALSE;
}

TEST(MessageFilters, NewestFirstNeverReenteredAndChangesWaitForTheNextMessage)
{
    std::string asked;
    std::unique_ptr<MessageFilterRegistration> added, self;
    MessageFilterRegistration older([&](MSG& m) {
        asked += "o";
        return m.message == WM_CHAR;
    });
    self = std::make_unique<MessageFilterRegistration>([&](MSG& m) {
        asked += "s";
        if (m.message == WM_KEYUP) {
            // Offered again from inside: this filter is running, so only the
            // older one is asked. Then it goes and another comes, both while
            // it still runs.
            Offer();
            added = std::make_unique<MessageFilterRegistration>([&](MSG&) {
                asked += "a";
                return false;
            });
            self.reset();
        }
        return false;
    });

    EXPECT_TRUE(Offer(WM_CHAR));
    EXPECT_EQ(asked, "so");
    asked.clear();
    EXPECT_FALSE(Offer(WM_KEYUP));
    EXPECT_EQ(asked, "so" "o") << "the running filter was asked again, or a change took effect at once";
    asked.clear();
    EXPECT_FALSE(Offer());
    EXPECT_EQ(asked, "ao");
    added.reset();
}

TEST(MessageFilters, TheHookGoesWithTheLastRegistration)
{
    {
        MessageFilterRegistration taking([](MSG&) { return true; });
        EXPECT_TRUE(Offer());
    }
    EXPECT_FALSE(Offer());
}

struct Trace {
    bool handlerDone = false;
    bool deletedAfterHandler = false;
    bool deleted = false;
    int filtered = 0;
};

class OwnedDialog : public Dialog {
public:
    explicit OwnedDialog(Trace& trace) : Dialog(1), trace_(trace)
    {
        OnClicked(100, [this] {
            End(IDOK);
            // The window is gone; the object must still be here.
            trace_.handlerDone = true;
        });
    }
    ~OwnedDialog() override
    {
        trace_.deleted = true;
        trace_.deletedAfterHandler = trace_.handlerDone;
    }

protected:
    void OnInitDialog() override
    {
        AddMessageFilter([this](MSG&) {
            ++trace_.filtered;
            return false;
        });
    }

private:
    Trace& trace_;
};

TEST(Dialog, AModelessDialogGoesWithItsWindowOnceItsHandlerReturns)
{
    // Closed by its own button, whose handler runs on after the window is
    // gone; and closed from outside.
    for (const bool fromOutside : {false, true}) {
        Trace trace;
        HWND window = Dialog::ShowModeless(std::make_unique<OwnedDialog>(trace), nullptr);
        ASSERT_TRUE(window);
        EXPECT_EQ(Dialog::FromHandle<OwnedDialog>(window) != nullptr, true);
        Offer();
        EXPECT_EQ(trace.filtered, 1);
        if (fromOutside)
            DestroyWindow(window);
        else
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), 0);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_TRUE(trace.deleted) << fromOutside;
        EXPECT_EQ(trace.deletedAfterHandler, !fromOutside);
        Offer();
        EXPECT_EQ(trace.filtered, 1) << "the dialog's filter outlived its window";
    }
}

}  // namespace
