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
// Like the profile index: a list nobody could page through, and a file that
// would grow with every save.
inline constexpr std::size_t kMaxContacts = 10000;

enum class ContactsFile { read, missing, unreadable };

// Replaces `contacts` with what the file holds, at most kMaxContacts rows. An
// "Email:" line makes a row with the latest "Name:" seen so far, so a name
// without its own line repeats the one before (or is empty at the start).
// Lines are read in pieces of 329 characters. Rows stop where the writer
// could no longer write them all back within kMaxDataFileBytes. Without a readable file
// `contacts` is empty, and the result tells a missing file from one that is
// there but could not be read (locked, refused, not a file).
ContactsFile LoadContacts(const std::string& path, std::vector<Contact>& contacts);

// Replaces the file only once the new one is complete; false when it could not
// be written, and the old file is left as it was.
bool SaveContacts(const std::string& path, const std::vector<Contact>& contacts);

// Case-sensitive, whole address.
bool ContainsAddress(const std::vector<Contact>& contacts, const std::string& address);

// True while the list may take one more contact of the longest texts the
// Contact Information dialog takes: within kMaxContacts and within what the
// reader takes back from the disk.
bool ContactsHaveRoom(const std::vector<Contact>& contacts);

// One change the composer made to its list, applied again to the file as it
// is when the composer closes: another session of the same account may have
// changed the file meanwhile, and neither may lose what the other did.
struct ContactChange {
    enum class Kind { add, edit, remove };
    Kind kind = Kind::add;
    Contact before;  // the row edited or removed
    Contact after;   // the row added, or what the edited row became
};

// An added address already there is not added again; an edited or removed
// row that is no longer there is left alone, except that an edit then adds
// its new row.
void ApplyContactChange(std::vector<Contact>& contacts, const ContactChange& change);

// Reads the file again, applies the changes and writes it. True without
// writing when there are none; false, writing nothing, when the file is
// there but cannot be read or the result could not be written.
bool SaveContactChanges(const std::string& path, const std::vector<ContactChange>& changes);

// Said when Add would outgrow the file.
inline constexpr const char* kContactsFullMessage =
    "Your contact list is full. Delete a contact before adding another.    ";

// What the Contact Information dialog says before closing with Save: the
// first refusal in the order the user meets them, or an empty text.
std::string ContactRefusal(const std::string& name, const std::string& address);
// The part of it about the address alone.
std::string AddressRefusal(const std::string& address);

// The error box after a failed save of the contacts file.
inline constexpr const char* kContactsNotSavedMessage =
    "Unable to save your contacts. The changes made to the contact list are lost.    ";
