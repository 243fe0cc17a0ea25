// The framework's lifetime rules, which no flow through the program can
// reach in a chosen order: the message filters asked while one of them runs,
// and a modeless dialog that goes with its window; the canvas's own
// shortcut for filling a whole bitmap, which no saved report tells apart
// when its colour is a grey; and the one-instance claim against a mutex of
// another account, which no second account in a test could make.
#include "win/Dialog.h"
#include "win/GdiPlusCanvas.h"
#include "win/GdiPlusSession.h"
#include "win/InstanceClaim.h"
#include "win/MessageFilters.h"

#include <objidl.h>
#include <sddl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// What a modal loop does with each message: true when a filter took it.
bool Offer(UINT message = WM_KEYDOWN) { MSG msg{}; return msg.message = message, CallMsgFilterA(&msg, MSGF_DIALOGBOX) != FALSE; }

TEST(MessageFilters, NewestFirstNeverReenteredAndChangesWaitForTheNextMessage)
{
    std::string asked;
    std::unique_ptr<MessageFilterRegistration> added, self;
    auto older = std::make_unique<MessageFilterRegistration>([&](MSG& m) { return asked += "o", m.message == WM_CHAR; });
    self = std::make_unique<MessageFilterRegistration>([&](MSG& m) {
        asked += "s";
        if (m.message == WM_KEYUP) {
            // Offered again from inside, then replaced while it still runs.
            Offer();
            added = std::make_unique<MessageFilterRegistration>([&](MSG&) { return asked += "a", false; });
            self.reset();
        }
        return false;
    });
    EXPECT_TRUE(Offer(WM_CHAR));
    EXPECT_FALSE(Offer(WM_KEYUP));
    EXPECT_FALSE(Offer());
    EXPECT_EQ(asked, "so" "soo" "ao");
}

struct Trace { bool handlerDone = false, deletedAfterHandler = false, deleted = false; int filtered = 0; };

class OwnedDialog : public Dialog {
public:
    explicit OwnedDialog(Trace& trace) : Dialog(1), trace_(trace)
    {
        OnClicked(100, [this] {
            End(IDOK);
            trace_.handlerDone = true;  // the window is gone, the object not yet
        });
    }
    ~OwnedDialog() override { trace_.deleted = true, trace_.deletedAfterHandler = trace_.handlerDone; }

protected:
    void OnInitDialog() override { AddMessageFilter([this](MSG&) { return ++trace_.filtered, false; }); }

private:
    Trace& trace_;
};

TEST(Dialog, AModelessDialogGoesWithItsWindowOnceItsHandlerReturns)
{
    for (const bool fromOutside : {false, true}) {
        Trace trace;
        HWND window = Dialog::ShowModeless(std::make_unique<OwnedDialog>(trace), nullptr);
        ASSERT_TRUE(Dialog::FromHandle<OwnedDialog>(window));
        Offer();
        if (fromOutside)
            DestroyWindow(window);
        else
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), 0);
        Offer();
        EXPECT_FALSE(IsWindow(window));
        EXPECT_TRUE(trace.deleted) << fromOutside;
        EXPECT_EQ(trace.deletedAfterHandler, !fromOutside);
        EXPECT_EQ(trace.filtered, 1) << "the dialog's filter outlived its window";
    }
}

Colour PixelAt(Gdiplus::Bitmap& bitmap, int x, int y)
{
    Gdiplus::Color pixel;
    bitmap.GetPixel(x, y, &pixel);
    return {pixel.GetR(), pixel.GetG(), pixel.GetB()};
}

TEST(GdiPlusCanvas, AWholeBitmapFillColoursEveryPixelInItsChannelsAndKeepsToTheClip)
{
    const GdiPlusSession gdiplus;
    const Colour first{10, 120, 230}, second{200, 30, 0};
    Gdiplus::Bitmap bitmap(40, 30, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics graphics(&bitmap);
        GdiPlusCanvas(graphics, bitmap).FillRectangle(-2, 0, 45, 30, first);
    }
    EXPECT_EQ(PixelAt(bitmap, 0, 0), first);
    EXPECT_EQ(PixelAt(bitmap, 39, 29), first);
    {
        Gdiplus::Graphics graphics(&bitmap);
        graphics.SetClip(Gdiplus::Rect(0, 0, 20, 30));
        GdiPlusCanvas(graphics, bitmap).FillRectangle(0, 0, 40, 30, second);
    }
    EXPECT_EQ(PixelAt(bitmap, 5, 5), second);
    EXPECT_EQ(PixelAt(bitmap, 30, 5), first);
}

// One instance per account, in every session. The session's own name, which
// any account's process in the session may take, and the account's name
// taken first by another account keep no one out.
TEST(InstanceClaim, OneHolderPerAccountAndNoneAnotherAccountMade)
{
    {
        InstanceClaim first("Oracline.ClaimTest"), second("Oracline.ClaimTest");
        EXPECT_TRUE(first.Held());
        EXPECT_FALSE(second.Held());
    }
    EXPECT_TRUE(InstanceClaim("Oracline.ClaimTest").Held());

    HANDLE session = CreateMutexA(nullptr, FALSE, "Oracline.SessionTest");
    EXPECT_TRUE(InstanceClaim("Oracline.SessionTest").Held());
    CloseHandle(session);

    PSID other = nullptr;
    ASSERT_TRUE(ConvertStringSidToSidA("S-1-5-21-1-2-3-1001", &other));
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorOwner(&descriptor, other, FALSE);
    SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE);  // open to everyone
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), &descriptor, FALSE};
    const std::string name = InstanceClaim::AccountName("Oracline.TakenTest");
    ASSERT_NE(name, "");
    HANDLE taken = CreateMutexA(&attributes, FALSE, name.c_str());
    ASSERT_TRUE(taken);
    EXPECT_TRUE(InstanceClaim("Oracline.TakenTest").Held());
    CloseHandle(taken);
    LocalFree(other);
}

} // namespace

