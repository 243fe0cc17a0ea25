// The contacts file on any bytes: every text fits one piece of the reader and
// holds no line feed, and what was read is written back and read again
// unchanged. (A text ending in CR is the exception on Linux, where the writer
// does not turn "\n" into CR LF.)
#include "FuzzInput.h"

#include "base/TextLines.h"
#include "mail/Contacts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::WriteScratchFile(kContactsFileName, data, size);
    std::vector<Contact> contacts;
    if (LoadContacts(path, contacts) != ContactsFile::read) {
        FUZZ_CHECK(size > static_cast<std::size_t>(kMaxDataFileBytes) && contacts.empty());
        return 0;
    }
    FUZZ_CHECK(contacts.size() <= kMaxContacts);
    bool endsInCr = false;
    for (const Contact& c : contacts) {
        FUZZ_CHECK(c.name.size() <= 324 && c.address.size() <= 323);
        FUZZ_CHECK((c.name + c.address).find('\n') == std::string::npos);
        endsInCr = endsInCr || (!c.name.empty() && c.name.back() == '\r') ||
                   (!c.address.empty() && c.address.back() == '\r');
    }
    FUZZ_CHECK(SaveContacts(path, contacts));
    std::vector<Contact> again;
    FUZZ_CHECK(LoadContacts(path, again) == ContactsFile::read);
    FUZZ_CHECK(endsInCr || again.size() == contacts.size());
    for (std::size_t i = 0; !endsInCr && i < again.size(); ++i)
        FUZZ_CHECK(again[i].name == contacts[i].name && again[i].address == contacts[i].address);
    return 0;
}
