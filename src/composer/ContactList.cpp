#include "composer/ContactList.h"

#include <utility>

const Contact* ContactList::SelectedContact() const
{
    if (selected_ < 0 || selected_ >= static_cast<int>(rows_.size()))
        return nullptr;
    return &rows_[static_cast<std::size_t>(selected_)];
}

void ContactList::Fill(std::vector<Contact> rows)
{
    rows_ = std::move(rows);
    changes_.clear();
    rowButtonsEnabled_ = !rows_.empty();
    selected_ = rows_.empty() ? -1 : 0;
}

void ContactList::Clicked(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        rowButtonsEnabled_ = false;
        return;
    }
    selected_ = row;
    rowButtonsEnabled_ = true;
}

std::string ContactList::Add(const Contact& contact)
{
    if (ContainsAddress(rows_, contact.address))
        return contact.address + " is already in your contacts.";
    if (!ContactsHaveRoom(rows_))
        return kContactsFullMessage;
    rows_.push_back(contact);
    changes_.push_back({ContactChange::Kind::add, {}, contact});
    rowButtonsEnabled_ = true;
    if (rows_.size() == 1)
        selected_ = 0;
    return "";
}

void ContactList::Edit(const Contact& contact)
{
    if (!SelectedContact())
        return;
    Contact& row = rows_[static_cast<std::size_t>(selected_)];
    if (row.name != contact.name || row.address != contact.address) {
        changes_.push_back({ContactChange::Kind::edit, row, contact});
        row = contact;
    }
}

void ContactList::Delete()
{
    if (!SelectedContact())
        return;
    changes_.push_back({ContactChange::Kind::remove, rows_[static_cast<std::size_t>(selected_)], {}});
    rows_.erase(rows_.begin() + selected_);
    if (selected_ > 0)
        --selected_;
    if (rows_.empty()) {
        selected_ = -1;
        rowButtonsEnabled_ = false;
    }
}
