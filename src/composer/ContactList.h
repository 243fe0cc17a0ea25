#pragma once
// The composer's contact list apart from its list control: the rows, the
// remembered selection and whether Edit, Delete and "<<----" are usable. The
// dialog copies the rows and the selection onto the list view after each
// operation.
#include "composer/Contacts.h"

#include <string>
#include <vector>

class ContactList {
public:
    const std::vector<Contact>& Rows() const { return rows_; }
    // -1 when no row is remembered (the list is empty).
    int Selected() const { return selected_; }
    bool RowButtonsEnabled() const { return rowButtonsEnabled_; }
    const Contact* SelectedContact() const;
    // What Add, Edit and Delete changed since Fill, in order.
    const std::vector<ContactChange>& Changes() const { return changes_; }

    // Rows read from the file; the first row is selected when there is one.
    void Fill(std::vector<Contact> rows);
    // A click in the list; `row` is the row the control shows selected, or -1.
    void Clicked(int row);
    // Appends a row unless the address is already in the list (letter case
    // counts) or the list is full; returns the refusal, or an empty text.
    std::string Add(const Contact& contact);
    // Replaces the remembered row; no duplicate test.
    void Edit(const Contact& contact);
    // Deletes the remembered row without a question.
    void Delete();
    void Clear() { Fill({}); }

private:
    std::vector<Contact> rows_;
    int selected_ = -1;
    bool rowButtonsEnabled_ = false;
    std::vector<ContactChange> changes_;
};
