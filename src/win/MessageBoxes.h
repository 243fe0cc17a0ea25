#pragma once
#include <string>

// Every message the program shows goes through here: no owner window, the
// caption "Oracline", task-modal, English language identifier.
enum class MessageKind {
    Error,       // stop icon, OK: errors and refusals
    Information, // information icon, OK: confirmations
    Question     // question icon, Yes and No
};

// Returns the button pressed (IDOK, IDYES or IDNO).
int ShowMessage(const std::string& text, MessageKind kind);

// True when the user answered a question with Yes.
bool AskQuestion(const std::string& text);
