// The page loader on two page files of any bytes, the first redirecting to
// the second or anywhere else: it reads at most one redirect, never leaves
// the first page's folder, and shows the first page when the target is
// refused.
#include "FuzzInput.h"

#include "pages/PageParser.h"
#include "pages/PageUrl.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider values(data, size);
    const std::string target = values.ConsumeRandomLengthString(300);
    const std::string second = values.ConsumeRandomLengthString(size);
    const std::string first = "<meta http-equiv=refresh content=\"1; URL=" + target + "\">" +
                              values.ConsumeRemainingBytesAsString();
    const std::string firstPath = fuzz::WriteScratchFile("a.htm", reinterpret_cast<const std::uint8_t*>(first.data()),
                                                         first.size());
    fuzz::WriteScratchFile("b.htm", reinterpret_cast<const std::uint8_t*>(second.data()), second.size());
    PageDocument page;
    std::string shown;
    FUZZ_CHECK(LoadPageFile(firstPath, page, shown));
    FUZZ_CHECK(shown == firstPath || IsPageFileIn(shown, fuzz::ScratchDirectory()));
    return 0;
}
