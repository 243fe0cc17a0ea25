#pragma once
// The Companion Analysis window (dialog 179): the two names and the three
// results painted above the sign banner. Print closes it with OK so that the
// caller prints once it is gone; Explain shows how the match is made.
#include "companion/CompanionDrawing.h"
#include "companion/CompanionMatch.h"
#include "win/Dialog.h"

#include <string>

class CompanionWindow : public Dialog {
public:
    CompanionWindow(const CompanionPerson& first, const CompanionPerson& second);

    const CompanionResult& Result() const { return result_; }

protected:
    void OnInitDialog() override;

private:
    void Paint();
    void Explain();

    std::string dataDirectory_;
    CompanionMatch match_;
    CompanionResult result_;
    std::string fontFamily_ = kCompanionFontName;
    bool resultsReady_ = false;
    int height_ = 0;
};
