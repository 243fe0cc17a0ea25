#include "pages/SizePage.h"

#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"

std::string WriteSizePage(PageSink& sink, int width, int height)
{
    return WritePage(sink, kSizePageName,
                     WhitePage("<font color=\"navy\" size=\"5\" face=\"Verdana\"><b>Size: " + ColourChange("black") +
                               std::to_string(width) + " x " + std::to_string(height) + " pixels" + RunEnd()));
}
