#include "mail/ComposedMail.h"
#include "mail/ContactList.h"
#include "mail/Contacts.h"
#include "mail/EmailComposer.h"
#include "mail/QuickResizeModel.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Rows(const std::vector<Contact>& contacts)
{
    std::string text;
    for (const Contact& c : contacts)
        text += "[" + c.name + "|" + c.address + "]";
    return text;
}

TEST(Contacts, ReaderCases)
{
    const std::string n324(324, 'n');
    const struct { std::string file, rows; } cases[] = {
        {"Name:Ann\nEmail:a@x\nEmail:b@x\n", "[Ann|a@x][Ann|b@x]"},
        {"Email:e@x\nName:Bo\nEmail:f@x", "[|e@x][Bo|f@x]"},
        {"Name:Ann\r\nEmail:a@x\r\nname:Cy\r\nEmail :c@x\r\n", "[Ann|a@x]"},
        // 329 characters per piece: the rest of a longer line is a line of its own.
        {"Name:" + n324 + "Email:x@y\n", "[" + n324 + "|x@y]"},
        {"Name:" + n324.substr(1) + "Email:x@y\n", ""},
        {"", ""},
    };
    TempDir dir;
    for (const auto& c : cases) {
        std::vector<Contact> contacts{{"old", "old@x"}};
        EXPECT_TRUE(LoadContacts(dir.Write(kContactsFileName, c.file), contacts));
        EXPECT_EQ(Rows(contacts), c.rows) << c.file;
    }
    std::vector<Contact> contacts{{"old", "old@x"}};
    EXPECT_FALSE(LoadContacts(dir.path("missing.ini"), contacts));
    EXPECT_TRUE(contacts.empty());
}

TEST(Contacts, SavedInListOrderAndReadBack)
{
    TempDir dir;
    const std::string path = dir.path(kContactsFileName);
    const std::vector<Contact> contacts{{"Ann", "a@x"}, {"", "e@x"}};
    ASSERT_TRUE(SaveContacts(path, contacts));
    EXPECT_EQ(dir.Read(kContactsFileName), "Name:Ann\nEmail:a@x\nName:\nEmail:e@x\n");
    ASSERT_TRUE(SaveContacts(path, {}));
    EXPECT_EQ(dir.Read(kContactsFileName), "");
    EXPECT_FALSE(SaveContacts(dir.path("no-such-folder/contacts.ini"), contacts));
}

TEST(Contacts, DialogChecksInOrder)
{
    const std::string n100(100, 'n');
    const struct { std::string name, address, refusal; } cases[] = {
        {"", "", "Please enter Contact's Name first.    "},
        {n100 + "n", "", "Contact's Name is too long. Maximum size is 100 characters.    "},
        {"Ann", "", "Please enter Contact's Email first.     "},
        {"Ann", n100 + "@", "Contact's Email is too long. Maximum size is 100 characters.    "},
        {"Ann", "ann.example.org", "Contact's Email is not valid.     "},
        {n100, n100.substr(1) + "@", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ContactRefusal(c.name, c.address), c.refusal) << c.name.size() << " " << c.address;
}

TEST(ContactList, SelectionFollowsAddAndDelete)
{
    ContactList list;
    list.Fill({});
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_FALSE(list.RowButtonsEnabled());

    EXPECT_EQ(list.Add({"Ann", "a@x"}), "");
    EXPECT_EQ(list.Selected(), 0);
    EXPECT_TRUE(list.RowButtonsEnabled());
    EXPECT_EQ(list.Add({"Other", "a@x"}), "a@x is already in your contacts.");
    EXPECT_EQ(list.Add({"Ann", "A@x"}), "");
    EXPECT_EQ(list.Add({"Cy", "c@x"}), "");

    list.Clicked(2);
    list.Edit({"Cy", "a@x"});  // no duplicate test on editing
    EXPECT_EQ(Rows(list.Rows()), "[Ann|a@x][Ann|A@x][Cy|a@x]");
    list.Clicked(-1);
    EXPECT_FALSE(list.RowButtonsEnabled());
    EXPECT_EQ(list.Selected(), 2);

    list.Delete();
    EXPECT_EQ(list.Selected(), 1);
    list.Clicked(0);
    list.Delete();
    EXPECT_EQ(list.Selected(), 0);
    list.Delete();
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_FALSE(list.RowButtonsEnabled());
    EXPECT_TRUE(list.Rows().empty());
}

// Records what the composer hands over and answers with a chosen result.
class FakeSender : public MailSender {
public:
    int TakeError() override { return std::exchange(error, 0); }
    bool AddRecipient(const std::string& text) override { recipients.push_back(text); return true; }
    void SetSubject(const std::string& text) override { subject = text; }
    bool AddAttachment(const std::string& path, const std::optional<std::string>&) override
    {
        attachments.push_back(path);
        return true;
    }
    void SetOriginatorName(const std::string&) override {}
    void SetBody(const std::string& text) override { body = text; }
    unsigned long Send(unsigned long flags) override { ++sends; EXPECT_EQ(flags, 0u); return result; }

    int error = 0;
    unsigned long result = 0;
    int sends = 0;
    std::vector<std::string> recipients, attachments;
    std::string subject, body;
};

TEST(ComposedMail, RecipientsDropEmptyPartsAndBlanks)
{
    const struct { const char* to; std::vector<std::string> recipients; } cases[] = {
        {"a@b.org;c@d.org", {"a@b.org", "c@d.org"}},
        {"a@b.org;", {"a@b.org"}},
        {";;a@b.org; ;", {"a@b.org"}},
        {" a@b.org;  Ann Smith  ", {"a@b.org", "Ann Smith"}},
        {"   ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitRecipients(c.to), c.recipients) << c.to;
}

TEST(ComposedMail, WhatIsSentAndWhatIsSaid)
{
    EmailComposer composer("C:\\Program Files\\Oracline\\Reports\\day.jpg");
    composer.toText = "a@b.org; c@d.org;";
    composer.subject = "Daily";
    FakeSender sender;
    EXPECT_EQ(SendComposedMail(sender, composer), "");
    EXPECT_EQ(sender.recipients, (std::vector<std::string>{"a@b.org", "c@d.org"}));
    EXPECT_EQ(sender.subject, "Daily");
    EXPECT_EQ(sender.attachments, std::vector<std::string>{composer.attachmentPath});
    EXPECT_EQ(sender.body, "No message was included with this Daily Report...");

    composer.message = "Daily Report";
    const struct { int error; unsigned long result; const char* said; int sends; } cases[] = {
        {0, MapiResult::kUserAbort, "", 1},
        {0, MapiResult::kLoginFailure, kNoMapiClientMessage, 1},
        {0, 2, kNoMapiClientMessage, 1},
        {MailSender::kNoMailLibrary, 0, kNoMapiClientMessage, 0},
        {MailSender::kMissingEntryPoint, 0, kNoMapiClientMessage, 0},
    };
    for (const auto& c : cases) {
        FakeSender fake;
        fake.error = c.error;
        fake.result = c.result;
        EXPECT_EQ(SendComposedMail(fake, composer), c.said) << c.error << " " << c.result;
        EXPECT_EQ(fake.sends, c.sends);
        if (c.sends) {
            EXPECT_EQ(fake.body, "Daily Report");
        }
    }
}

TEST(EmailComposer, AttachmentDescription)
{
    TempDir dir;
    const ImageSizeReader wide = [](const std::string&, int& w, int& h) { w = 780; h = 550; return true; };
    const struct { std::string name; std::size_t bytes; const char* size; const char* resolution; bool resizable; } cases[] = {
        {"a.jpg", 1023, "1023B", "780 x 550", true},
        {"b.JPG", 1024, "1KB", "780 x 550", true},
        {"c.tif", 2047, "1KB", "780 x 550", true},
        {"d.jpeg", 10, "10B", "n/a", false},
        {"e.txt", 10, "10B", "n/a", false},
    };
    for (const auto& c : cases) {
        EmailComposer composer(dir.Write(c.name, std::string(c.bytes, 'x')));
        composer.DescribeAttachment(wide);
        EXPECT_EQ(composer.sizeText, c.size) << c.name;
        EXPECT_EQ(composer.resolutionText, c.resolution) << c.name;
        EXPECT_EQ(composer.resizeCheckEnabled, c.resizable) << c.name;
        EXPECT_TRUE(composer.attachmentFound);
    }
    EmailComposer missing(dir.path("gone.jpg"));
    missing.DescribeAttachment(wide);
    EXPECT_EQ(missing.sizeText, "unknown");
    EXPECT_EQ(missing.resolutionText, "0 x 0");
    EXPECT_FALSE(missing.attachmentFound);
}

TEST(EmailComposer, ChecksBeforeSendingInOrder)
{
    TempDir dir;
    const std::string report = dir.Write("day.jpg", "x");
    const struct { std::string to, subject, message; int width, height; std::string refusal; bool ask; } cases[] = {
        {"", "", std::string(201, 'm'), 0, 0, "Please enter To Address first.    ", false},
        {std::string(501, 't'), "", "", 0, 0, "To Address is too long. Maximum size is 500 characters.    ", false},
        {std::string(500, 't'), "", "", 0, 0, "Please enter Email Subject first.    ", false},
        {"t", std::string(51, 's'), "", 0, 0, "Email Subject is too long. Maximum size is 50 characters.    ", false},
        {"t", "s", std::string(201, 'm'), 0, 0, "Email Message is too long. Maximum size is 200 characters.    ",
         false},
        {"t", std::string(50, 's'), std::string(200, 'm'), 780, 550, "", false},
        {"t", "s", "", 1024, 1024, "", false},
        {"t", "s", "", 1025, 10, "", true},
        {"t", "s", "", 10, 1025, "", true},
    };
    for (const auto& c : cases) {
        EmailComposer composer(report);
        composer.DescribeAttachment([&](const std::string&, int& w, int& h) {
            w = c.width;
            h = c.height;
            return true;
        });
        composer.toText = c.to;
        composer.subject = c.subject;
        composer.message = c.message;
        bool ask = true;
        EXPECT_EQ(composer.CheckForEmail(ask), c.refusal) << c.width << "x" << c.height;
        EXPECT_EQ(ask, c.ask) << c.width << "x" << c.height;
    }
    EmailComposer gone(dir.path("gone.jpg"));
    gone.DescribeAttachment([](const std::string&, int&, int&) { return false; });
    gone.toText = "t";
    gone.subject = "s";
    bool ask = false;
    EXPECT_NE(gone.CheckForEmail(ask), "");
}

TEST(EmailComposer, ContactToRecipientsIsASubstringTest)
{
    EmailComposer composer("day.jpg");
    composer.contacts.Fill({{"Ann", "ann@x.org"}, {"Jo", "jo@x.org"}});
    EXPECT_EQ(composer.AddSelectedContact(), "");
    EXPECT_EQ(composer.toText, "ann@x.org");
    composer.contacts.Clicked(1);
    composer.toText = "bigjo@x.org";
    EXPECT_EQ(composer.AddSelectedContact(), "jo@x.org is already in your To: list.");
    composer.toText = "a@b";
    EXPECT_EQ(composer.AddSelectedContact(), "");
    EXPECT_EQ(composer.toText, "a@b;jo@x.org");
}

TEST(QuickResize, ScaledSizes)
{
    const struct { PixelSize source; int index; int width, height; } cases[] = {
        {{780, 550}, 0, 780, 550}, {{780, 550}, 50, 390, 275}, {{780, 550}, 67, 257, 181},
        {{780, 550}, 99, 7, 5},    {{60, 40}, 99, 1, 1},
    };
    for (const auto& c : cases) {
        const PixelSize size = ScaledSize(c.source, c.index);
        EXPECT_EQ(size.width, c.width) << c.index;
        EXPECT_EQ(size.height, c.height) << c.index;
    }
}

TEST(QuickResize, CopyNameAndFormat)
{
    EXPECT_EQ(ResizedCopyPath("C:\\R\\", "D:\\saved\\day.png"), "C:\\R\\_T_day.png");
    const struct { const char* path; const wchar_t* mime; } cases[] = {
        {"a.jpeg", L"image/jpeg"}, {"a.tiff", L"image/jpeg"}, {"a.TIF", L"image/tiff"},
        {"a.Bmp", L"image/bmp"},   {"a.gif", L"image/gif"},   {"a.png", L"image/png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::wstring(EncoderMimeType(c.path)), c.mime) << c.path;
}

TEST(QuickResize, SaveOnlyBelowFullSize)
{
    QuickResizeModel model({780, 550});
    EXPECT_FALSE(model.saveEnabled);
    model.CheckClicked();
    EXPECT_TRUE(model.scaleListShown);
    EXPECT_FALSE(model.saveEnabled);
    model.ScaleSelected(50);
    EXPECT_TRUE(model.saveEnabled);
    EXPECT_EQ(model.PageSize().width, 390);
    model.ScaleSelected(0);
    EXPECT_FALSE(model.saveEnabled);
    model.ScaleSelected(50);
    model.CheckClicked();
    EXPECT_FALSE(model.saveEnabled);
    EXPECT_EQ(model.PageSize().width, 780);

    EXPECT_FALSE(QuickResizeModel({0, 550}).checkEnabled);
}

TEST(QuickResize, SizePage)
{
    EXPECT_EQ(SizePageHtml({390, 275}),
              "<html><head><title>2005</title></head><body bgcolor=\"white\" text=\"white\" link=\"white\" "
              "vlink=\"white\" alink=\"white\" scroll=\"no\" oncontextmenu=\"return false\"><font color=\"navy\" "
              "size=\"5\" face=\"Verdana\"><b>Size: <font color=\"black\">390 x 275 pixels</b></font></body></html>");
}

} // namespace
