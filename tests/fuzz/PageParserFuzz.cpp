// The page view's reader on any bytes: a page file edited by hand must never
// make it fail.
#include "FuzzInput.h"

#include "pages/PageParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ParsePage(fuzz::Text(data, size));
    return 0;
}
