#pragma once
// What a screen reader reads beyond the windows' own texts, through the
// system's accessibility interface. The rest of the program hands over words
// (a SpokenDrawing, a control's name); COM stays in here.
#include "base/SpokenText.h"

#include <windows.h>

#include <memory>

// A window over a drawing that tells a screen reader what the drawing
// shows. It lies under the window's controls, paints nothing and lets every
// click through to the window under it, so nothing changes for the eye.
class SpokenArea {
public:
    SpokenArea();
    ~SpokenArea();
    SpokenArea(const SpokenArea&) = delete;
    SpokenArea& operator=(const SpokenArea&) = delete;

    // Over the whole client area of `window`; gone with it.
    void Create(HWND window);
    // Replaces what the area says and tells a listening screen reader that
    // it changed (another day, another chosen day).
    void Publish(const SpokenDrawing& drawing);

    struct State;

private:
    HWND area_ = nullptr;
    std::shared_ptr<State> state_;
};

// Names the dialog's controls for a screen reader where the system cannot
// find a name itself: an input field whose label is a read-only edit box
// takes the label's text, a sign picture its sign's name, and every other
// picture is marked as decoration. Run once the labels have their texts.
void NameDialogControls(HWND dialog);
