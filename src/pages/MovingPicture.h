#pragma once
// The sign panel's picture, which the page's script moves up the window and
// back down, turning a fixed distance above the bottom. The built-in page
// view runs no script and shows the picture where the script turns.
#include <string>

constexpr int kMovingPictureTurnAboveBottom = 44;

// The script that moves the element "mvpic" a pixel every 30 ms, centred for
// a picture 28 pixels wide.
std::string MovingPictureScript();
