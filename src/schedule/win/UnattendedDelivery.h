#pragma once
// The scheduled start's work on Windows: the record checked, the report drawn
// with GDI+ into a private file and mailed through the mail program or the
// mail server the account's settings choose, one line in
// the delivery log, no window.
// Reads the record and writes the log in the data folder. Needs GDI+
// started. Never shows anything and never touches the record.
void RunUnattendedDelivery();
