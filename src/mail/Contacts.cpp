#include "mail/Contacts.h"

#include "base/SafeFileWriter.h"
#include "base/TextLines.h"

#include <sys/stat.h>

#include <cerrno>

namespace {

const std::size_t kContactsLineBuffer = 330;

} // namespace

ContactsFile LoadContacts(const std::string& path, std::vector<Contact>& contacts)
{
    contacts.clear();
    std::string name;
    const bool read = ForEachLine(
        path,
        [&](const std::string& line) {
            if (StartsWithKey(line, "Name:"))
                name = line.substr(5);
            else if (StartsWithKey(line, "Email:") && contacts.size() < kMaxContacts)
                contacts.push_back({name, line.substr(6)});
        },
        kContactsLineBuffer);
    if (read)
        return ContactsFile::read;
    contacts.clear();
    struct stat status;
    return stat(path.c_str(), &status) != 0 && errno == ENOENT ? ContactsFile::missing : ContactsFile::unreadable;
}

bool SaveContacts(const std::string& path, const std::vector<Contact>& contacts)
{
    std::string text;
    for (const Contact& contact : contacts)
        text += "Name:" + contact.name + "\nEmail:" + contact.address + "\n";
    return WriteTextFileSafely(path, text);
}

bool ContainsAddress(const std::vector<Contact>& contacts, const std::string& address)
{
    for (const Contact& contact : contacts)
        if (contact.address == address)
            return true;
    return false;
}

std::string ContactRefusal(const std::string& name, const std::string& address)
{
    if (name.empty())
        return "Please enter Contact's Name first.    ";
    if (name.size() > kContactTextLimit)
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
