#pragma once
// A mail sender that writes down what it was given, one item per line, and
// answers as the test chose.
#include "mail/MailSender.h"

#include <string>

class FakeSender : public MailSender {
public:
    // `record` outlives the sender when the code under test destroys it.
    explicit FakeSender(std::string* record = nullptr, bool library = true, bool attaches = true, unsigned long result = 0)
        : library(library), attaches(attaches), result(result), sent(record ? *record : own) {}

    bool HasMailLibrary() const override { return library; }
    bool AddRecipient(const std::string& text) override { return sent += "to:" + text + "\n", true; }
    bool AddAttachment(const std::string& path, const std::string& name) override
    {
        return sent += "file:" + path + " as " + name + "\n", attaches;
    }
    void SetSubject(const std::string& text) override { sent += "subject:" + text + "\n"; }
    void SetOriginatorName(const std::string& text) override { sent += "from:" + text + "\n"; }
    void SetBody(const std::string& text) override { sent += "body:" + text + "\n"; }
    unsigned long Send() override { return sent += "send", result; }

    bool library;
    bool attaches;
    unsigned long result;
    std::string own;
    std::string& sent;
};
