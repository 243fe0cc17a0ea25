#pragma once
// The markup inside the program's pages, written here and nowhere else:
// other folders hand their text to these pieces and never write a tag. The
// pages are of their time: text comes in bold Verdana runs, a colour change
// inside a run holds until the run ends, and tags are closed only where the
// pages always closed them.
#include <string>
#include <vector>

// The opening of a bold run: yellow for headings, black for body text.
std::string HeadingRun();
std::string BodyRun();
// The end of a run.
std::string RunEnd();

// A whole run followed by a paragraph break.
std::string Heading(const std::string& text);
std::string BodyText(const std::string& text);

std::string ParagraphBreak();
std::string LineBreak();

// Changes the colour of the rest of the run ("black", "yellow", "white",
// "red").
std::string ColourChange(const std::string& colour);

// The texts one after another, a paragraph or a line break between them.
std::string Paragraphs(const std::vector<std::string>& texts);
std::string Lines(const std::vector<std::string>& texts);

// The link that prints the page, in Arial, in `colour`.
std::string PrintLink(const std::string& colour);

// The start of the one-column table that holds a page's content.
std::string TableStart();
