// What comes from a mail server and the settings file on any bytes: the
// reply reader fed in pieces, a whole send against a server answering with
// the input, and "mail.ini".
#include "FuzzInput.h"

#include "mail/MailSettings.h"
#include "mail/SmtpReply.h"
#include "mail/SmtpSession.h"

#include <deque>

namespace {

// Replies keep their promises, and nothing comes after a malformed stream.
void ReplyReader(const std::string& input)
{
    FuzzedDataProvider bytes(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    SmtpReplyReader reader;
    while (bytes.remaining_bytes() > 0) {
        reader.Add(bytes.ConsumeRandomLengthString(4096));
        for (SmtpReply reply; reader.Next(reply);) {
            FUZZ_CHECK(!reader.Malformed());
            FUZZ_CHECK(reply.code >= 200 && reply.code <= 599);
            FUZZ_CHECK(!reply.lines.empty() && reply.lines.size() <= kMostReplyLines);
            for (const std::string& line : reply.lines)
                FUZZ_CHECK(line.size() <= kLongestReplyLine);
            FUZZ_CHECK(reply.Text().size() <= 300);
        }
    }
}

class FuzzedServer : public SmtpConnection {
public:
    explicit FuzzedServer(FuzzedDataProvider& input) : input_(input) {}
    bool Connect(const std::string&, int, std::chrono::milliseconds, std::string&) override
    {
        return input_.ConsumeBool();
    }
    TlsResult StartTls(const std::string&, std::chrono::milliseconds, std::string&) override
    {
        secure = input_.ConsumeBool();
        return secure ? TlsResult::secure : TlsResult::untrusted;
    }
    bool Send(const std::string& bytes, std::chrono::milliseconds) override
    {
        // The password goes out only once the connection is encrypted.
        FUZZ_CHECK(secure || bytes.find("cGFzc3dvcmQ") == std::string::npos);
        FUZZ_CHECK(secure || bytes.rfind("AUTH", 0) != 0);
        return true;
    }
    Received Receive(std::string& bytes, std::chrono::milliseconds) override
    {
        if (input_.remaining_bytes() == 0)
            return Received::closed;
        bytes += input_.ConsumeRandomLengthString(512);
        return Received::data;
    }
    bool secure = false;

private:
    FuzzedDataProvider& input_;
};

void WholeSend(const std::string& input)
{
    FuzzedDataProvider bytes(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    const MailSettings settings{MailMethod::smtp, "mx", 587,
                                bytes.ConsumeBool() ? MailSecurity::tls : MailSecurity::startTls, "user", "me@x.org"};
    FuzzedServer server(bytes);
    const SmtpOutcome outcome = SendThroughServer(server, settings, "password", "pc", {"me@x.org", {"a@y.org"}, "Hi"});
    FUZZ_CHECK(outcome.kind != SmtpOutcome::sent || server.secure);
    FUZZ_CHECK(!SmtpFailureMessage(outcome, settings).empty() || outcome.kind == SmtpOutcome::sent);
}

// Whatever the file holds, the settings read can be written back unchanged.
void SettingsReader(const std::string& text)
{
    MailSettings settings;
    ReadMailSettings(fuzz::WriteScratchFile(kMailSettingsFileName, text), settings);
    FUZZ_CHECK(settings.port >= 1 && settings.port <= 65535);
    const std::string written = FormatMailSettings(settings);
    MailSettings again;
    FUZZ_CHECK(ReadMailSettings(fuzz::WriteScratchFile(kMailSettingsFileName, written), again));
    FUZZ_CHECK(FormatMailSettings(again) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::Dispatch(data, size, {ReplyReader, WholeSend, SettingsReader});
}
