#pragma once
// The address book of the e-mail composer: "contacts.ini" in the data
// directory, two lines per contact ("Name:" and "Email:"), in list order.
#include <string>
#include <vector>

struct Contact {
    std::string name;
    std::string address;
};

inline constexpr const char* kContactsFileName = "contacts.ini";
inline constexpr std::size_t kContactTextLimit = 100;

// Replaces `contacts` with what the file holds. An "Email:" line makes a row
// with the latest "Name:" seen so far, so a name without its own line repeats
// the one before (or is empty at the start). Lines are read in pieces of 329
// characters. False, with `contacts` empty, when the file cannot be opened.
bool LoadContacts(const std::string& path, std::vector<Contact>& contacts);

// Replaces the file only once the new one is complete; false when it could not
// be written, and the old file is left as it was.
bool SaveContacts(const std::string& path, const std::vector<Contact>& contacts);

// Case-sensitive, whole address.
bool ContainsAddress(const std::vector<Contact>& contacts, const std::string& address);

// What the Contact Information dialog says before closing with Save: the
// first refusal in the order the user meets them, or an empty text.
std::string ContactRefusal(const std::string& name, const std::string& address);

// The error box after a failed save of the contacts file.
inline constexpr const char* kContactsNotSavedMessage =
    "Unable to save your contacts. The changes made to the contact list are lost.    ";
