// What comes from a mail server and the settings file on any bytes: the
// reply reader fed in pieces, and "mail.ini".
#include "FuzzInput.h"

#include "mail/MailSettings.h"
#include "mail/SmtpReply.h"

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
