#include "composer/Contacts.h"

#include "base/Utf8Text.h"
#include "base/SafeFileWriter.h"
#include "base/TextLines.h"
#include "platform/FileOps.h"

#include <algorithm>
#include <utility>

namespace {

const std::size_t kContactsLineBuffer = 330;

std::string FormatContacts(const std::vector<Contact>& contacts)
{
    std::string text;
    for (const Contact& contact : contacts)
        text += "Name:" + contact.name + "\nEmail:" + contact.address + "\n";
    return text;
}

bool SameContact(const Contact& a, const Contact& b)
{
    return a.name == b.name && a.address == b.address;
}

} // namespace

ContactsFile LoadContacts(const std::string& path, std::vector<Contact>& contacts)
{
    contacts.clear();
    std::string name;
    // A name without its own line is written out again for every contact
    // that repeats it: contacts stop where the writer could no longer put
    // them all back, or no change, a deletion included, could be saved.
    std::size_t formatted = 0;
    bool full = false;
    const bool read = ForEachLine(
        path,
        [&](const std::string& line) {
            if (StartsWithKey(line, "Name:")) {
                name = line.substr(5);
            } else if (StartsWithKey(line, "Email:") && !full && contacts.size() < kMaxContacts) {
                Contact contact{name, line.substr(6)};
                formatted += FormatContacts({contact}).size();
                full = formatted > static_cast<std::size_t>(kMaxDataFileBytes);
                if (!full)
                    contacts.push_back(std::move(contact));
            }
        },
        kContactsLineBuffer);
    if (read)
        return ContactsFile::read;
    contacts.clear();
    return IsMissingFile(path) ? ContactsFile::missing : ContactsFile::unreadable;
}

bool SaveContacts(const std::string& path, const std::vector<Contact>& contacts)
{
    return WriteTextFileSafely(path, FormatContacts(contacts));
}

bool ContainsAddress(const std::vector<Contact>& contacts, const std::string& address)
{
    for (const Contact& contact : contacts)
        if (contact.address == address)
            return true;
    return false;
}

bool ContactsHaveRoom(const std::vector<Contact>& contacts)
{
    const std::string longest(kContactTextLimit, 'x');
    static const std::size_t longestRow = TextFileBytes(FormatContacts({{longest, longest}}));
    return contacts.size() < kMaxContacts &&
           TextFileBytes(FormatContacts(contacts)) + longestRow <= static_cast<std::size_t>(kMaxDataFileBytes);
}

void ApplyContactChange(std::vector<Contact>& contacts, const ContactChange& change)
{
    auto row = contacts.end();
    if (change.kind != ContactChange::Kind::add)
        row = std::find_if(contacts.begin(), contacts.end(),
                           [&](const Contact& c) { return SameContact(c, change.before); });
    if (change.kind == ContactChange::Kind::remove) {
        if (row != contacts.end())
            contacts.erase(row);
    } else if (row != contacts.end()) {
        *row = change.after;
    } else if (!ContainsAddress(contacts, change.after.address)) {
        contacts.push_back(change.after);
    }
}

bool SaveContactChanges(const std::string& path, const std::vector<ContactChange>& changes)
{
    if (changes.empty())
        return true;
    std::vector<Contact> contacts;
    if (LoadContacts(path, contacts) == ContactsFile::unreadable)
        return false;
    for (const ContactChange& change : changes)
        ApplyContactChange(contacts, change);
    return SaveContacts(path, contacts);
}

std::string ContactRefusal(const std::string& name, const std::string& address)
{
    if (name.empty())
        return "Please enter Contact's Name first.    ";
    // Characters, each of at most three bytes: a line of the contacts file
    // is read in pieces of 329 bytes.
    if (Utf8Length(name) > kContactTextLimit || name.size() > 3 * kContactTextLimit)
        return "Contact's Name is too long. Maximum size is 100 characters.    ";
    return AddressRefusal(address);
}

std::string AddressRefusal(const std::string& address)
{
    if (address.empty())
        return "Please enter Contact's Email first.     ";
    if (address.size() > kContactTextLimit)
        return "Contact's Email is too long. Maximum size is 100 characters.    ";
    if (address.find('@') == std::string::npos)
        return "Contact's Email is not valid.     ";
    return "";
}
