#include "pages/MovingPicture.h"

std::string MovingPictureScript()
{
    return "<SCRIPT LANGUAGE=\"JavaScript\">var xPos = 0;var step = 1;var delay = 30;var yPos = 0;var height = 0;"
           "var offset = 0;var yon = 0;"
           "yPos = document.body.clientHeight;mvpic.style.top = yPos;"
           "xPos = document.body.clientWidth; xPos = xPos - 28; if (xPos > 0) {xPos = xPos / 2};"
           "function changePos() {if (yon == 0) {yPos = yPos - step;}else {yPos = yPos + step;}"
           "height = document.body.clientHeight;offset = " +
           std::to_string(kMovingPictureTurnAboveBottom) +
           ";if (yPos < 0) {yon = 1;yPos = 0;}"
           "if (yPos >= (height - offset)) {yon = 0;yPos = (height - offset);}mvpic.style.left = xPos;"
           "mvpic.style.top = yPos + document.body.scrollTop;}"
           "function start(){loopfunc();}function loopfunc(){changePos();setTimeout('loopfunc()',delay);}</script>";
}
