#pragma once
// What the unit tests share: a scratch directory per test, outputs compared
// whole with checked-in files, texts made of lists and repeated pieces, a
// canvas that lists what is drawn on it, and a mail sender that writes down
// what it was given.
#include "base/Canvas.h"
#include "base/SpokenText.h"
#include "mail/MapiResult.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

// The bytes of a file; none when it cannot be read.
inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// row(0) + row(1) + ... up to `count` rows, and no more than fit in `bytes`.
inline std::string Rows(const std::function<std::string(int)>& row, int count, std::size_t bytes = SIZE_MAX)
{
    std::string text;
    for (int i = 0; i < count && text.size() + row(i).size() <= bytes; ++i)
        text += row(i);
    return text;
}

// Each item of `list` as `shown` gives it, one after another.
template <class List, class Shown>
std::string Joined(const List& list, Shown shown)
{
    std::string text;
    for (const auto& item : list)
        text += shown(item);
    return text;
}

// Each spoken item as "name=value;".
inline std::string Heard(const SpokenDrawing& spoken)
{
    return Joined(spoken.items, [](const SpokenItem& item) { return item.name + "=" + item.value + ";"; });
}

inline std::string Repeated(const std::string& piece, int times) { return Rows([&](int) { return piece; }, times); }

// A scratch directory, removed with everything in it afterwards.
class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/oracline-test-XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
    }
    ~TempDir() { std::error_code ignored; std::filesystem::remove_all(root_, ignored); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // With its trailing separator, as a data directory is passed.
    std::string dir() const { return root_ + "/"; }
    std::string path(const std::string& name) const { return dir() + name; }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        return std::ofstream(path(name), std::ios::binary) << bytes, path(name);
    }
    std::string Read(const std::string& name) const { return ReadWholeFile(path(name)); }
    std::ptrdiff_t EntryCount() const
    {
        return std::distance(std::filesystem::directory_iterator(root_), std::filesystem::directory_iterator());
    }

private:
    std::string root_;
};

// Compares with tests/unit/golden/<name>. After a deliberate change, run the
// tests once with ORACLINE_UPDATE_GOLDEN=1 set to rewrite the files, then
// read the diff before committing it.
inline void ExpectGolden(const std::string& name, const std::string& actual)
{
    const std::string path = std::string(ORACLINE_SOURCE_DIR) + "/tests/unit/golden/" + name;
    if (std::getenv("ORACLINE_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << "no golden file " << path;
    EXPECT_EQ(actual, ReadWholeFile(path)) << name;
}

// Draws nothing and lists every call, one a line, in order, with its
// arguments; integer and float forms print alike. Rectangles and pictures (named by their path) give their
// corner, then their width and height.
class RecordingCanvas : public Canvas {
public:
    std::string Listing() const { return out_.str(); }

    void FillRectangle(int x, int y, int w, int h, Colour c) override { Shape("Fill", x, y, w, h, c, 0); }
    void DrawRectangle(int x, int y, int w, int h, Colour c, float pen) override { Shape("Frame", x, y, w, h, c, pen); }
    void DrawLineI(int x1, int y1, int x2, int y2, Colour c, int w) override { Shape("LineI", x1, y1, x2, y2, c, w); }
    void DrawLine(float x1, float y1, float x2, float y2, Colour c, float w) override { Shape("Line", x1, y1, x2, y2, c, w); }
    void DrawImage(const std::string& path, float x, float y, float w, float h) override { Start(path.c_str(), x, y, w, h, {}) << "\n"; }
    void DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour) override
    {
        Start("Text", x, y, 0, 0, colour) << " \"" << text << "\" " << font.family << " " << font.size << (font.bold ? " bold\n" : " regular\n");
    }

private:
    std::ostream& Start(const char* kind, float x1, float y1, float x2, float y2, Colour c)
    {
        return out_ << kind << " (" << x1 << ", " << y1 << ", " << x2 << ", " << y2 << ") rgb(" << int(c.red) << ","
                    << int(c.green) << "," << int(c.blue) << ")";
    }
    void Shape(const char* kind, float x1, float y1, float x2, float y2, Colour c, float w) { Start(kind, x1, y1, x2, y2, c) << " width " << w << "\n"; }

    std::ostringstream out_;
};

// Writes down the mail it is given, one item a line, and answers as the test
// chose; `record` outlives the sender when the code under test destroys it.
class FakeSender : public MailSender {
public:
    explicit FakeSender(std::string* record = nullptr, SendReport answer = MapiSendReport(MapiResult::kSuccess))
        : answer(answer), sent(record ? *record : own) {}

    SendReport Send(const OutgoingMail& mail) override
    {
        for (const std::string& to : mail.recipients) sent += "to:" + to + "\n";
        for (const OutgoingAttachment& file : mail.attachments) sent += "file:" + file.path + " as " + file.displayName + "\n";
        if (!mail.originator.empty()) sent += "from:" + mail.originator + "\n";
        return sent += "subject:" + mail.subject + "\nbody:" + mail.body + "\nsend", answer;
    }

    SendReport answer;
    std::string own;
    std::string& sent;
};
