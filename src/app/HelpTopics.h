#pragma once
// The Help Wizard's topics, in the order of its list.
#include <string>

inline constexpr int kHelpTopicCount = 9;

// The topic's name in the list and its text (simple HTML); empty outside
// 0 to kHelpTopicCount - 1.
std::string HelpTopicName(int topic);
std::string HelpTopicText(int topic);
