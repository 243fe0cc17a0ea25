#include "composer/ComposedMail.h"
#include "composer/QuickResizeModel.h"
#include "base/TextLines.h"

#include "TestSupport.h"

#include <algorithm>
#include <functional>

namespace {

TEST(Contacts, ReadWrittenAndChangesAppliedToWhatIsThere)
{
    const std::string n324(324, 'n');
    const struct { std::string file, rows; } cases[] = {
        {"Name:Ann\nEmail:a@x\nEmail:b@x\n", "[Ann|a@x][Ann|b@x]"}, {"Email:e@x\r\nName:Bo\r\nname:Cy\r\nEmail:f@x", "[|e@x][Bo|f@x]"},
        // 329 characters per piece: the rest of a longer line is a line of its own.
        {"Name:" + n324 + "Email:x@y\n", "[" + n324 + "|x@y]"}, {"Name:" + n324.substr(1) + "Email:x@y\n", ""},
    };
    TempDir dir;
    std::vector<Contact> contacts;
    for (const auto& c : cases) {
        EXPECT_EQ(LoadContacts(dir.Write(kContactsFileName, c.file), contacts), ContactsFile::read);
        EXPECT_EQ(Joined(contacts, [](const Contact& row) { return "[" + row.name + "|" + row.address + "]"; }), c.rows) << c.file;
    }
    EXPECT_TRUE(LoadContacts(dir.path("missing.ini"), contacts) == ContactsFile::missing && contacts.empty());
    EXPECT_EQ(LoadContacts(dir.Write(kContactsFileName, Repeated("Email:a@x\n", kMaxContacts + 1)), contacts), ContactsFile::read);
    EXPECT_EQ(contacts.size(), kMaxContacts);
    ASSERT_TRUE(SaveContacts(dir.path(kContactsFileName), {{"Ann", "a@x"}, {"", "e@x"}}));
    EXPECT_EQ(dir.Read(kContactsFileName), "Name:Ann\nEmail:a@x\nName:\nEmail:e@x\n");

    // The composer applies its own changes to the file as another session of
    // the account may have left it meanwhile, and never replaces a file it
    // cannot read.
    const std::string refused(kMaxDataFileBytes + 1, '\n'), ann = "Name:Ann\nEmail:a@x\n", cy = "Name:Cy\nEmail:c@x\n", bo = "Name:Bo\nEmail:b@x\n";
    const std::function<void(ContactList&)> none = [](ContactList&) {}, add = [](ContactList& l) { l.Add({"Bo", "b@x"}); },
                                            edit = [](ContactList& l) { l.Edit({"Bo", "b@x"}); }, remove = [](ContactList& l) { l.Delete(); };
    const struct { const char* what; std::string file, meanwhile; std::function<void(ContactList&)> change; bool saved; std::string after; } saves[] = {
        {"missing, added", "", "", add, true, bo}, {"unchanged", ann, cy, none, true, cy},
        {"added beside another's", ann, ann + cy, add, true, ann + cy + bo}, {"edited beside another's", ann, cy + ann, edit, true, cy + bo},
        {"edited what another deleted", ann, cy, edit, true, cy + bo}, {"deleted beside another's", ann, ann + cy, remove, true, cy},
        {"deleted beside a namesake", ann, "Name:Ann\nEmail:z@x\n" + ann, remove, true, "Name:Ann\nEmail:z@x\n"},
        {"added twice", ann, ann + bo, add, true, ann + bo}, {"refused meanwhile", ann, refused, add, false, refused},
    };
    for (const auto& c : saves) {
        TempDir own;
        const std::string path = c.file.empty() ? own.path(kContactsFileName) : own.Write(kContactsFileName, c.file);
        EmailComposer composer("day.jpg");
        composer.ReadContacts(path);
        c.change(composer.contacts);
        if (!c.meanwhile.empty())
            own.Write(kContactsFileName, c.meanwhile);
        EXPECT_EQ(composer.SaveChangedContacts(path), c.saved) << c.what;
        EXPECT_TRUE(own.Read(kContactsFileName) == c.after) << c.what;
    }

    // A list that could not be read back with one more contact of 100 and 100
    // characters refuses Add (that it is read back whole is the fuzz target's
    // round trip); so does the 10,001st contact.
    for (const auto& [last, refusal] : {std::pair{"a@xyz", std::string()}, {"a@xyzw", std::string(kContactsFullMessage)}}) {
        ContactList list;
        list.Fill(std::vector<Contact>(4876, {std::string(100, 'n'), std::string(100, 'a')}));
        list.Add({"n", last});
        EXPECT_EQ(list.Add({"Bo", "b@x"}), refusal) << last;
    }
    EXPECT_EQ(std::make_pair(ContactsHaveRoom(std::vector<Contact>(9999)), ContactsHaveRoom(std::vector<Contact>(10000))),
              std::make_pair(true, false));
    // Reading stops before the first contact whose row would take the list
    // past 1 MiB as the writer puts it back, the name repeated for each.
    for (const auto& [extra, read] : {std::pair{"", 4096u}, {"z", 4095u}}) {
        const std::string file = "Name:" + std::string(236, 'n') + "\n" + Rows([](int i) { return "Email:a" + std::to_string(1000 + i) + "@x\n"; }, 4095);
        EXPECT_EQ((LoadContacts(dir.Write(kContactsFileName, file + "Email:a9999" + extra + "@x\n"), contacts), contacts.size()), read) << extra;
    }
}

// A list read from the disk can always lose a contact: line feeds alone
// just under 1 MiB (too much with CR LF), or one long name that every
// address repeats.
TEST(Contacts, ADeletionIsNeverRefusedForSize)
{
    const auto address = [](int i) { return "Email:a" + std::to_string(i) + "@x\n"; };
    const std::string lineFeeds = Rows([&](int i) { return "Name:" + std::string(90, 'n') + "\n" + address(i); }, INT_MAX, kMaxDataFileBytes);
    ASSERT_GT(TextFileBytes(lineFeeds), static_cast<std::size_t>(kMaxDataFileBytes));
    const std::string repeated = "Name:" + std::string(323, 'n') + "\n" + Rows(address, 9000);
    for (const std::string& file : {lineFeeds, repeated}) {
        TempDir dir;
        const std::string path = dir.Write(kContactsFileName, file);
        std::vector<Contact> before, after;
        ASSERT_EQ(LoadContacts(path, before), ContactsFile::read);
        ASSERT_TRUE(SaveContactChanges(path, {{ContactChange::Kind::remove, before.front(), {}}}));
        ASSERT_EQ(LoadContacts(path, after), ContactsFile::read);
        before.erase(before.begin());
        ASSERT_EQ(after.size(), before.size());
        EXPECT_TRUE(std::equal(after.begin(), after.end(), before.begin(),
                               [](const Contact& a, const Contact& b) { return a.name == b.name && a.address == b.address; }));
    }
}

TEST(Contacts, ChecksAndSelection)
{
    const std::string n100(100, 'n');
    const struct { std::string name, address, refusal; } cases[] = {
        {"", "", "Please enter Contact's Name first.    "}, {n100 + "n", "", "Contact's Name is too long. Maximum size is 100 characters.    "},
        {"A", "", "Please enter Contact's Email first.     "}, {"A", n100 + "@", "Contact's Email is too long. Maximum size is 100 characters.    "},
        {"A", "a.example.org", "Contact's Email is not valid.     "}, {n100, n100.substr(1) + "@", ""}, {Repeated("\u738B", 100), "a@b", ""},
        {Repeated("\u738B", 101), "a@b", "Contact's Name is too long. Maximum size is 100 characters.    "},
        {Repeated("\U0001F600", 75), "a@b", ""},  // four bytes each: a line holds no more
        {Repeated("\U0001F600", 76), "a@b", "Contact's Name is too long. Maximum size is 100 characters.    "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ContactRefusal(c.name, c.address), c.refusal) << c.name.size() << " " << c.address;

    ContactList list;
    EXPECT_EQ(list.Add({"Ann", "a@x"}) + list.Add({"Other", "a@x"}) + list.Add({"Ann", "A@x"}), "a@x is already in your contacts.");
    // Each step, then the rows, the remembered row and whether Edit, Delete
    // and "<<----" can be used.
    const std::function<void(ContactList&)> fill = [](ContactList& l) { l.Fill({{"Ann", "a@x"}, {"Bo", "b@x"}, {"Cy", "c@x"}}); };
    const struct { std::function<void(ContactList&)> step; const char* after; } steps[] = {
        {fill, "Ann Bo Cy 0 on"}, {[](ContactList& l) { l.Clicked(-1); }, "Ann Bo Cy 0 off"},
        {[](ContactList& l) { l.Clicked(3); }, "Ann Bo Cy 0 off"}, {[](ContactList& l) { l.Clicked(1); }, "Ann Bo Cy 1 on"},
        {[](ContactList& l) { l.Delete(); }, "Ann Cy 0 on"}, {[](ContactList& l) { l.Edit({"Al", "a@x"}); }, "Al Cy 0 on"},
        {[](ContactList& l) { l.Delete(); }, "Cy 0 on"}, {[](ContactList& l) { l.Delete(); }, "-1 off"},
        {[](ContactList& l) { l.Add({"Di", "d@x"}); }, "Di 0 on"}, {[](ContactList& l) { l.Add({"Ed", "e@x"}); }, "Di Ed 0 on"},
    };
    ContactList rows;
    for (const auto& s : steps) {
        s.step(rows);
        const std::string state = Joined(rows.Rows(), [](const Contact& row) { return row.name + " "; });
        EXPECT_EQ(state + std::to_string(rows.Selected()) + (rows.RowButtonsEnabled() ? " on" : " off"), s.after);
    }
    // Each step after the fill was one change; a contact edited to itself is none.
    rows.Edit({"Di", "d@x"});
    EXPECT_EQ(rows.Changes().size(), 6u);
    rows.Clear();
    EXPECT_EQ(std::make_tuple(rows.Selected(), rows.SelectedContact(), ContactList().Selected(), ContactList().RowButtonsEnabled()),
              std::make_tuple(-1, static_cast<const Contact*>(nullptr), -1, false));


    // The composer finds a selected contact already in To: by a substring test.
    EmailComposer composer("day.jpg");
    composer.contacts.Fill({{"Jo", "jo@x.org"}});
    composer.toText = "bigjo@x.org";
    EXPECT_EQ(composer.AddSelectedContact(), "jo@x.org is already in your To: list.");
    composer.toText = "a@b";
    EXPECT_EQ(composer.AddSelectedContact() + composer.toText, "a@b;jo@x.org");
}

// The image measurer a composer is given: every picture has this size.
auto PictureOf(int width, int height) { return [=](const std::string&, int& w, int& h) { return w = width, h = height, true; }; }

TEST(ComposedMail, WhatIsSentAndWhatIsSaid)
{
    EmailComposer composer("C:\\R\\day.jpg");
    composer.subject = "S";
    const std::string file = "file:C:\\R\\day.jpg as day.jpg\n", mapped = "to:a\n" + file + "subject:S\nbody:Hi\nsend";
    const struct { const char* to; const char* message; SendReport answer; std::string sent, said; } cases[] = {
        {"a@b.org;c@d", "", MapiSendReport(0), "to:a@b.org\nto:c@d\n" + file + "subject:S\nbody:" + std::string(kEmptyMessageBody) + "\nsend", ""},
        {";; a@b.org ; ;", "Hi", MapiSendReport(1), "to:a@b.org\n" + file + "subject:S\nbody:Hi\nsend", ""},
        {"a", "Hi", MapiSendReport(3), mapped, kNoMapiClientMessage}, {"a", "Hi", NotFilledReport(), mapped, kNoMapiClientMessage},
        {"a", "Hi", NoMailLibraryReport(), mapped, kNoMapiClientMessage},
        {"a", "Hi", {SendOutcome::failed, "not sent: 535 no", "The server refused."}, mapped, "The server refused."},
    };
    for (const auto& c : cases) {
        composer.toText = c.to, composer.message = c.message;
        FakeSender sender(nullptr, c.answer);
        EXPECT_EQ(SendComposedMail(sender, composer), c.said) << c.to;
        EXPECT_EQ(sender.sent, c.sent) << c.to;
    }
}

TEST(EmailComposer, AttachmentAndChecksBeforeSending)
{
    TempDir dir;
    for (const auto& c : {std::pair<int, const char*>{1023, "1023B"}, {1024, "1KB"}, {2047, "1KB"}}) {
        EmailComposer composer(dir.Write("a.JPG", std::string(c.first, 'x')));
        composer.DescribeAttachment(PictureOf(780, 550));
        EXPECT_EQ(composer.sizeText + " " + composer.resolutionText, c.second + std::string(" 780 x 550"));
    }
    // What the composer shows of its attachment; a resized copy is not offered Quick Resize again.
    const auto shown = [](const EmailComposer& c) {
        return c.sizeText + " " + c.resolutionText + " " + std::to_string(c.imageWidth) + "x" + std::to_string(c.imageHeight) +
               (c.resizeCheckEnabled ? " check" : "") + (c.resizeButtonEnabled ? " button" : "");
    };
    EmailComposer text(dir.Write("a.txt", "abc")), wide(dir.Write("w.jpg", "x")), tall(dir.Write("t.jpg", "x"));
    text.DescribeAttachment(PictureOf(5, 5)), wide.DescribeAttachment(PictureOf(1, -5)), tall.DescribeAttachment(PictureOf(-5, 1));
    EXPECT_EQ(shown(text) + "|" + shown(wide) + "|" + shown(tall), "3B n/a 0x0 button|1B 1 x 0 1x0 check button|1B 0 x 1 0x1 check button");
    text.ToggleResizeButton();  // Quick Resize's button starts hidden (and usable, above); the check shows it
    EXPECT_EQ(std::make_pair(text.resizeButtonShown, text.resized), std::make_pair(true, false));
    bool ask = true;
    tall.toText = "t@", tall.subject = "s";
    tall.UseResizedCopy(dir.path("t.jpg"), "t.jpg", PictureOf(2000, 2000));
    EXPECT_FALSE(shown(tall) + tall.CheckForEmail(ask) != "1B 2000 x 2000 2000x2000" || ask);
    for (const auto& [path, image] : {std::pair{"a.TIF", true}, {"a.png", true}, {".jpg", false}, {"a.jpgs", false}, {"a.txt", false}})
        EXPECT_EQ(HasImageExtension(path), image) << path;
    const std::string report = dir.Write("day.jpg", "x");
    const std::string longestTo = Rows([](int i) { return (i ? ";" : "") + std::string(i < 4 ? 98 : 94, 'b') + "@b"; }, 5);
    const struct { std::string to, subject, message, file; int width, height; std::string refusal; bool ask; } cases[] = {
        {"", "", std::string(201, 'm'), report, 0, 0, "Please enter To Address first.    ", false},
        {std::string(501, 't'), "", "", report, 0, 0, "To Address is too long. Maximum size is 500 characters.    ", false},
        {longestTo, "", "", report, 0, 0, "Please enter Email Subject first.    ", false},
        {"a@b.org; Ann", "s", "", report, 0, 0, "Contact's Email is not valid.     ", false},
        {"t@", std::string(51, 's'), "", report, 0, 0, "Email Subject is too long. Maximum size is 50 characters.    ", false},
        {"t@", "s", std::string(201, 'm'), report, 0, 0, "Email Message is too long. Maximum size is 200 characters.    ", false},
        {"t@", "s", "", dir.path("gone.jpg"), 1025, 0, "The attached Daily Report cannot be found. Please save it again.    ", false},
        {"t@", std::string(50, 's'), std::string(200, 'm'), report, 1024, 1024, "", false},
        // Limits count characters: 50 and 200 of two bytes each pass.
        {"t@", Repeated("\u0414", 50), Repeated("\u0414", 200), report, 1024, 1024, "", false},
        {"t@", Repeated("\u0414", 51), "", report, 0, 0, "Email Subject is too long. Maximum size is 50 characters.    ", false},
        {"t@", "s", "", report, 1025, 10, "", true}, {"t@", "s", "", report, 10, 1025, "", true},
    };
    for (const auto& c : cases) {
        EmailComposer composer(c.file);
        composer.DescribeAttachment(PictureOf(c.width, c.height));
        composer.toText = c.to, composer.subject = c.subject, composer.message = c.message;
        bool ask = !c.ask;
        EXPECT_EQ(composer.CheckForEmail(ask), c.refusal) << c.width << "x" << c.height;
        EXPECT_EQ(ask, c.ask) << c.width << "x" << c.height;
    }
}

TEST(QuickResize, SizesFormatsAndSave)
{
    const struct { PixelSize source; int index, width, height; } sizes[] = {
        {{780, 550}, 50, 390, 275}, {{780, 550}, 67, 257, 181}, {{780, 550}, 99, 7, 5}, {{60, 40}, 99, 1, 1}};
    for (const auto& c : sizes)
        EXPECT_EQ(std::make_pair(ScaledSize(c.source, c.index).width, ScaledSize(c.source, c.index).height), std::make_pair(c.width, c.height));
    for (const auto& c : {std::pair<const char*, const wchar_t*>{"a.jpeg", L"image/jpeg"}, {"a.tiff", L"image/jpeg"},
                          {"a.TIF", L"image/tiff"}, {"a.Bmp", L"image/bmp"}, {".gif", L"image/gif"}, {"gif", L"image/jpeg"}})
        EXPECT_EQ(std::wstring(EncoderMimeType(c.first)), c.second) << c.first;

    QuickResizeModel model({780, 550});
    model.CheckClicked();
    std::string save;
    for (int index : {0, 50, -1, 0, 99, 1, 100})
        model.ScaleSelected(index), save += model.saveEnabled ? 'S' : '-';
    save += std::to_string(model.PageSize().width);
    model.CheckClicked(), save += (model.saveEnabled ? 'S' : '-') + std::to_string(model.PageSize().width);
    model.CheckClicked();
    EXPECT_EQ(save + " " + std::to_string(model.PageSize().width), "-SS-SSS772-780 780");
    for (const auto& [width, height, loaded] : {std::tuple{1, 1, true}, {0, 1, false}, {1, 0, false}}) {
        const QuickResizeModel fresh({width, height});
        EXPECT_EQ(std::make_tuple(fresh.checkEnabled, fresh.SourceLoaded(), fresh.selection, fresh.scaleListShown, fresh.switchedOn, fresh.saveEnabled),
                  std::make_tuple(loaded, loaded, 0, false, false, false)) << width << "x" << height;
    }
}

} // namespace
