#pragma once
// The hints of the Quick Tip strip under the main window, each paired with the
// button that takes the keyboard focus while it shows, so that Enter or Space
// does what the hint suggests.

#include "pages/PageMarkup.h"

#include <string>

enum class TipFocus { AddProfile, AnalyzeDay, Dreams, Companion, Help };

// A word of a tip may stand out in white; the text goes on after it.
struct QuickTip {
    const char* text;
    TipFocus focus;
    const char* emphasised = nullptr;
    const char* after = "";
};

namespace QuickTips {
inline constexpr QuickTip addProfile{
    "Click on the Add Profile button to create your unique profile.", TipFocus::AddProfile};
inline constexpr QuickTip analyzeDay{
    "Click on the Analyze Day button to get your full Daily Analysis.", TipFocus::AnalyzeDay};
inline constexpr QuickTip analyzeOrDreams{
    "Click on the Analyze Day button or click on the Dreams button.", TipFocus::Dreams};
inline constexpr QuickTip selectProfile{
    "Select any profile and click on the Analyze Day button to get your full Daily Analysis.",
    TipFocus::Help};
inline constexpr QuickTip onlyTwo{
    "Select only 2 (two) profiles to get full Companion Analysis.", TipFocus::Help};
inline constexpr QuickTip companion{
    "Click on the Companion button to get full Companion Analysis: business, friendship and love.",
    TipFocus::Companion};
inline constexpr QuickTip newProfile{"In most cases you should ", TipFocus::Help, "NOT",
                                    " use \"Personal Data For Calculation\" right away."};
inline constexpr QuickTip editProfile{
    "Use Personal Data for calculation if you want to try manual calibration.", TipFocus::Help};
inline constexpr QuickTip help{"Make sure that you read ALL help topics.", TipFocus::Help};
inline constexpr QuickTip openReport{
    "Select and view any Daily Analysis Report you previously saved.", TipFocus::Help};
inline constexpr QuickTip schedule{
    "Schedule Daily Analysis to be delivered to you automatically via E-mail.", TipFocus::Help};
} // namespace QuickTips

// The tip as the strip shows it.
inline std::string TipText(const QuickTip& tip)
{
    if (!tip.emphasised)
        return tip.text;
    return tip.text + ColourChange("white") + tip.emphasised + ColourChange("yellow") + tip.after;
}
