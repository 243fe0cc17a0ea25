#pragma once
// What a drawing says to a screen reader: its name and, in reading order,
// one item per text or value it shows. The windows paint these values as
// pictures; the items carry the same as words, and the front end hands them
// to the system's accessibility interface unchanged.
#include <string>
#include <vector>

struct SpokenItem {
    std::string name;
    std::string value;  // empty for a line of text, whose words are its name
};

struct SpokenDrawing {
    std::string name;
    std::vector<SpokenItem> items;
};

// "21%": a reading as the program's texts give it.
inline std::string PercentText(int value)
{
    return std::to_string(value) + "%";
}
