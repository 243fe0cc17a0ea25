// What comes from a mail server and the settings file on any bytes: the
// reply reader fed in pieces, and "mail.ini".
#include "FuzzInput.h"

#include "mail/MailSettings.h"
#include "mail/SmtpReply.h"

namespace {

// Every reply is what the server sent, line by line and in order, and
// nothing comes after a malformed stream.
void ReplyReader(const std::string& input)
{
    FuzzedDataProvider bytes(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    SmtpReplyReader reader;
    std::string sent;
    std::size_t read = 0;  // where the next reply's first line starts in `sent`
    while (bytes.remaining_bytes() > 0) {
        const std::string piece = bytes.ConsumeRandomLengthString(4096);
        reader.Add(piece);
        sent += piece;
        for (SmtpReply reply; reader.Next(reply);) {
            FUZZ_CHECK(!reader.Malformed() && reply.code >= 200 && reply.code <= 599 && !reply.lines.empty());
            for (std::size_t i = 0; i < reply.lines.size(); ++i) {
                const std::size_t end = sent.find('\n', read);
                FUZZ_CHECK(end != std::string::npos);
                std::string line = sent.substr(read, end - read);
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                read = end + 1;
                // The last line ends the reply with a blank, or with its code alone.
                const std::string head = std::to_string(reply.code) + (i + 1 == reply.lines.size() ? " " : "-");
                FUZZ_CHECK(line == head + reply.lines[i] || (reply.lines[i].empty() && line + " " == head));
            }
        }
    }
}

// Whatever the file holds, the settings read are usable and read back the same.
void SettingsReader(const std::string& text)
{
    MailSettings settings, again;
    ReadMailSettings(fuzz::WriteScratchFile(kMailSettingsFileName, text), settings);
    const std::string written = FormatMailSettings(settings);
    FUZZ_CHECK(ReadMailSettings(fuzz::WriteScratchFile(kMailSettingsFileName, written), again));
    FUZZ_CHECK(settings.port >= 1 && settings.port <= 65535 && FormatMailSettings(again) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::Dispatch(data, size, {ReplyReader, SettingsReader});
}
