#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "engine/NameListReader.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

// What a reader that starts from the top of the file every time would find.
Names namesIn(std::string_view bytes) {
    Names names;
    for (const auto line : text::splitLines(bytes))
        if (!line.empty()) names.emplace_back(line);
    return names;
}

// Every name the reader gives, one call per position, up to the end marker.
Names readAll(NameListReader& reader) {
    Names names;
    for (std::int32_t n = 1;; ++n) {
        auto name = reader.ReadNameAt(n);
        if (name == kEndOfList) return names;
        names.push_back(std::move(name));
    }
}

// Writes over the file in place, as an editor that truncates it would.
void overwriteInPlace(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class NameListReaderTest : public ::testing::Test {
protected:
    NameListReaderTest() { reader.setFile(list); }

    void write(std::string_view bytes) { ASSERT_TRUE(WriteFileReplacing(list, bytes)); }
    void append(std::string_view bytes) { ASSERT_TRUE(AppendToFile(list, bytes)); }

    TempFolder folder;
    std::filesystem::path list = folder / "list.txt";
    NameListReader reader;
};

TEST_F(NameListReaderTest, LineEndsEmptyLinesAndPositions) {
    // clang-format off
    const std::vector<std::pair<std::string, Names>> cases = {
        {"a\r\nb\r\nc\r\n", {"a", "b", "c"}}, {"a\nb\nc\n", {"a", "b", "c"}}, {"a\rb\rc\r", {"a", "b", "c"}},
        {"a\r\nb\nc\rd\r\n", {"a", "b", "c", "d"}}, {"a\n\rb\n\r", {"a", "b"}},
        {"\r\n\r\na\r\n\r\n\r\nb\r\n\r\n", {"a", "b"}}, {"\r\n", {}}, {"", {}}, {"a\r\nlast", {"a", "last"}},
        {"solo", {"solo"}}, {"a\r\n \r\nb\r\n", {"a", " ", "b"}},
        {"  two words \r\n\tx\r\n", {"  two words ", "\tx"}}, {"caf\xc3\xa9.com\r\n", {"caf\xc3\xa9.com"}}};
    // clang-format on
    for (const auto& [bytes, names] : cases) {
        SCOPED_TRACE(text::replaceAll(text::replaceAll(bytes, "\r", "<CR>"), "\n", "<LF>"));
        write(bytes);
        reader.setFile(list);
        EXPECT_EQ(reader.CountListEntries(), static_cast<std::int32_t>(names.size()));
        EXPECT_EQ(readAll(reader), names);
        for (const auto n :
             {0, -1, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()})
            EXPECT_EQ(reader.ReadNameAt(n), kEndOfList) << n;
    }
    EXPECT_EQ(reader.file(), list);
}

TEST_F(NameListReaderTest, LongNamesAndLinesAcrossLargeReads) {
    // Names longer than one read of a name, a CR LF split at the 1 MiB mark
    // where indexing reads in pieces, and many names after it.
    const std::string longName(5000, 'x');
    const std::size_t mark = std::size_t{1} << 20;
    std::string bytes = "first\r\n" + longName + "\r\n";
    bytes += std::string(mark - 1 - bytes.size(), 'p');  // one name ending just before the mark
    bytes += "\r\n";
    for (int i = 0; i < 60000; ++i) bytes += "name" + std::to_string(i) + (i % 3 == 0 ? "\n" : "\r\n\r\n");
    bytes += longName + "y";
    write(bytes);
    const Names expected = namesIn(bytes);

    EXPECT_EQ(reader.CountListEntries(), static_cast<std::int32_t>(expected.size()));
    EXPECT_EQ(reader.ReadNameAt(2), longName);
    EXPECT_EQ(reader.ReadNameAt(3).size(), mark - 1 - 7 - 5002);
    EXPECT_EQ(reader.ReadNameAt(4), "name0");
    EXPECT_EQ(reader.ReadNameAt(static_cast<std::int32_t>(expected.size())), longName + "y");
    // Out of order too: the reader does not depend on being asked in sequence.
    for (auto n = static_cast<std::int32_t>(expected.size()); n > 0; n -= 997)
        EXPECT_EQ(reader.ReadNameAt(n), expected[static_cast<std::size_t>(n) - 1]) << n;
}

TEST_F(NameListReaderTest, GrowingPieceByPieceMatchesReadingFromTheStart) {
    // Names appended during a run are found; random pieces split names and CR LF pairs anywhere.
    std::mt19937 random(20260105);
    std::string source;
    for (int i = 0; i < 400; ++i) {
        source += std::string(random() % 4, '\n') + "n" + std::to_string(random() % 100000);
        source += (random() % 2) ? "\r\n" : "\r";
    }
    write("");
    std::string written;
    while (written.size() < source.size()) {
        const std::size_t piece = std::min<std::size_t>(1 + random() % 23, source.size() - written.size());
        append(std::string_view(source).substr(written.size(), piece));
        written.append(source, written.size(), piece);
        const Names expected = namesIn(written);

        ASSERT_EQ(reader.CountListEntries(), static_cast<std::int32_t>(expected.size())) << written.size();
        if (!expected.empty()) {
            ASSERT_EQ(reader.ReadNameAt(static_cast<std::int32_t>(expected.size())), expected.back());
        }
    }
    EXPECT_EQ(readAll(reader), namesIn(source));
}

TEST_F(NameListReaderTest, RewrittenListIsReadAfresh) {
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    // Long enough that a change at one end lies far from the other end.
    const std::string p(100, 'p');
    const std::vector<Case> cases = {
        {"same size, other names", "a\r\nb\r\n", "x\r\ny\r\n"},
        {"larger, first name split, same end", "abcd\r\n" + p + "\r\nend\r\n",
         "a\r\nd\r\n" + p + "\r\nend\r\nmore\r\n"},
        {"larger, last name split, same start", p + "\r\nbeta\r\n", p + "\r\nb\r\nta\r\ngamma\r\n"},
        {"larger, other first names", "a\r\nb\r\n", "x\r\ny\r\nz\r\n"},
        {"larger, same start, last name changed", "alpha\r\nbeta\r\n", "alpha\r\nbetx\r\ngamma\r\n"},
        {"half-written name replaced", "alpha\r\nbe", "alpha\r\nbx\r\nc\r\n"},
        {"shorter", "a\r\nb\r\nc\r\n", "a\r\n"},
        {"emptied", "a\r\nb\r\n", ""},
    };
    for (const bool inPlace : {true, false}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (inPlace ? ", in place" : ", replaced"));
            write(c.before);
            reader.setFile(list);
            ASSERT_EQ(readAll(reader), namesIn(c.before));

            if (inPlace)
                overwriteInPlace(list, c.after);
            else
                write(c.after);

            EXPECT_EQ(reader.CountListEntries(), static_cast<std::int32_t>(namesIn(c.after).size()));
            EXPECT_EQ(readAll(reader), namesIn(c.after));
        }
    }
}

// Same-size rewrites: one far from both ends, dated a moment later since file times are coarse;
// one within the same clock tick that changes the first bytes.
TEST_F(NameListReaderTest, SameSizeRewritesAreSeen) {
    const std::string p(200, 'p');
    const std::tuple<std::string, std::string, int> cases[] = {
        {"head\r\n" + p + "\r\noldname\r\n" + p + "\r\nend\r\n",
         "head\r\n" + p + "\r\nold\r\nne\r\n" + p + "\r\nend\r\n", 1},
        {"abcd\r\n" + p + "\r\nend\r\n", "a\r\nd\r\n" + p + "\r\nend\r\n", 0}};
    for (const auto& [before, after, later] : cases) {
        write(before);
        ASSERT_EQ(readAll(reader), namesIn(before));
        const auto time = std::filesystem::last_write_time(list);
        overwriteInPlace(list, after);
        std::filesystem::last_write_time(list, time + std::chrono::seconds(later));
        EXPECT_EQ(reader.CountListEntries(), static_cast<std::int32_t>(namesIn(after).size()));
        EXPECT_EQ(readAll(reader), namesIn(after));
    }
}

TEST_F(NameListReaderTest, ListWithAnOldFileTimeIsStillFollowed) {
    write("a\r\nb\r\n");
    std::filesystem::last_write_time(list,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_EQ(reader.ReadNameAt(2), "b");
    overwriteInPlace(list, "c\r\nd\r\n");
    EXPECT_EQ(reader.ReadNameAt(1), "c");
    append("e\r\n");
    EXPECT_EQ(reader.ReadNameAt(3), "e");
    EXPECT_EQ(reader.CountListEntries(), 3);
}

TEST_F(NameListReaderTest, DeletedListHasNoNamesUntilMadeAgain) {
    write("a\r\nb\r\n");
    ASSERT_EQ(reader.ReadNameAt(2), "b");
    std::filesystem::remove(list);
    EXPECT_EQ(reader.ReadNameAt(1), kEndOfList);
    EXPECT_EQ(reader.CountListEntries(), 0);
    write("c\r\n");
    EXPECT_EQ(reader.CountListEntries(), 1);
    EXPECT_EQ(reader.ReadNameAt(1), "c");
}

TEST_F(NameListReaderTest, ChoosingAnotherFileForgetsTheFirst) {
    write("a\r\nb\r\nc\r\n");
    ASSERT_EQ(reader.CountListEntries(), 3);
    for (const auto& path : {std::filesystem::path(), folder / "missing.txt", folder.path()}) {
        reader.setFile(path);
        EXPECT_EQ(reader.CountListEntries(), 0) << path;
        EXPECT_EQ(reader.ReadNameAt(1), kEndOfList) << path;
    }
    const auto other = folder / "other.txt";
    ASSERT_TRUE(WriteFileReplacing(other, "x\r\n"));
    reader.setFile(list);
    ASSERT_EQ(reader.CountListEntries(), 3);
    reader.setFile(other);
    EXPECT_EQ(reader.file(), other);
    EXPECT_EQ(readAll(reader), Names{"x"});
}

}  // namespace
}  // namespace quillmark
