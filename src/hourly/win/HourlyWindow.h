#pragma once
// The hourly analysis window: one reading drawn over 24 hours, printed
// through "hourly.jpg" in the account's pages folder. The chart is kept for the
// window's life because drawing it may raise its values, and those raises
// must carry over to every later paint and to the printed image.
#include "hourly/HourlyChart.h"
#include "win/Accessibility.h"
#include "win/Dialog.h"

#include <string>

class HourlyWindow : public Dialog {
public:
    explicit HourlyWindow(const HourlyChart& chart);

    // Draws the 800 x 480 image into "hourly.jpg" (an older one is removed
    // first). Silent when there is no JPEG encoder; other failures end in a
    // message. True when the file was written.
    bool SaveHourlyImage();

    // Where the image goes.
    static std::string HourlyImagePath();

protected:
    void OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void Print();
    void Paint();
    void CloseWith(INT_PTR result);

    HourlyChart chart_;
    int windowHeight_ = 0;
    SpokenArea spokenChart_;
};
