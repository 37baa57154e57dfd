#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <limits>
#include <random>
#include <string>
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
    for (const auto line : text::splitLines(bytes)) {
        if (!line.empty()) names.emplace_back(line);
    }
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

TEST_F(NameListReaderTest, ThreeNamesThenTheEndMarker) {
    write("a\r\nb\r\nc\r\n");

    EXPECT_EQ(reader.CountListEntries(), 3);
    EXPECT_EQ(reader.ReadNameAt(1), "a");
    EXPECT_EQ(reader.ReadNameAt(2), "b");
    EXPECT_EQ(reader.ReadNameAt(3), "c");
    EXPECT_EQ(reader.ReadNameAt(4), kEndOfList);
    EXPECT_EQ(reader.ReadNameAt(std::numeric_limits<std::int32_t>::max()), kEndOfList);
    EXPECT_EQ(reader.file(), list);
}

TEST_F(NameListReaderTest, PositionsBelowOneGiveTheEndMarker) {
    write("a\r\nb\r\n");

    EXPECT_EQ(reader.ReadNameAt(0), kEndOfList);
    EXPECT_EQ(reader.ReadNameAt(-1), kEndOfList);
    EXPECT_EQ(reader.ReadNameAt(std::numeric_limits<std::int32_t>::min()), kEndOfList);
    EXPECT_EQ(reader.ReadNameAt(1), "a");
}

TEST_F(NameListReaderTest, LineEndsAndEmptyLines) {
    struct Case {
        const char* what;
        std::string bytes;
        Names names;
    };
    const std::vector<Case> cases = {
        {"CR LF", "a\r\nb\r\nc\r\n", {"a", "b", "c"}},
        {"LF only", "a\nb\nc\n", {"a", "b", "c"}},
        {"CR only", "a\rb\rc\r", {"a", "b", "c"}},
        {"mixed ends", "a\r\nb\nc\rd\r\n", {"a", "b", "c", "d"}},
        {"LF CR is two ends", "a\n\rb\n\r", {"a", "b"}},
        {"empty lines between", "\r\n\r\na\r\n\r\n\r\nb\r\n\r\n", {"a", "b"}},
        {"one empty line", "\r\n", {}},
        {"empty file", "", {}},
        {"last line without end", "a\r\nlast", {"a", "last"}},
        {"one name without end", "solo", {"solo"}},
        {"a line of one space is a name", "a\r\n \r\nb\r\n", {"a", " ", "b"}},
        {"spaces and tabs kept", "  two words \r\n\tx\r\n", {"  two words ", "\tx"}},
        {"UTF-8 bytes kept", "caf\xc3\xa9.com\r\n", {"caf\xc3\xa9.com"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write(c.bytes);
        reader.setFile(list);

        EXPECT_EQ(reader.CountListEntries(), static_cast<std::int32_t>(c.names.size()));
        EXPECT_EQ(readAll(reader), c.names);
    }
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
    for (auto n = static_cast<std::int32_t>(expected.size()); n > 0; n -= 997) {
        EXPECT_EQ(reader.ReadNameAt(n), expected[static_cast<std::size_t>(n) - 1]) << n;
    }
}

TEST_F(NameListReaderTest, NamesAppendedDuringARunAreFound) {
    write("a\r\nb\r\n");
    EXPECT_EQ(reader.CountListEntries(), 2);
    EXPECT_EQ(reader.ReadNameAt(3), kEndOfList);

    append("c\r\n\r\nd\r\n");

    EXPECT_EQ(reader.ReadNameAt(3), "c");
    EXPECT_EQ(reader.ReadNameAt(4), "d");
    EXPECT_EQ(reader.ReadNameAt(1), "a");
    EXPECT_EQ(reader.CountListEntries(), 4);
}

TEST_F(NameListReaderTest, HalfWrittenLastNameIsReadWholeOnceCompleted) {
    write("alpha\r\nbe");
    EXPECT_EQ(reader.ReadNameAt(2), "be");
    EXPECT_EQ(reader.CountListEntries(), 2);

    append("ta");
    EXPECT_EQ(reader.ReadNameAt(2), "beta");

    append("\r");
    EXPECT_EQ(reader.ReadNameAt(2), "beta");

    append("\ngamma");
    EXPECT_EQ(reader.ReadNameAt(2), "beta");
    EXPECT_EQ(reader.ReadNameAt(3), "gamma");
    EXPECT_EQ(reader.CountListEntries(), 3);
}

TEST_F(NameListReaderTest, GrowingPieceByPieceMatchesReadingFromTheStart) {
    // Random pieces split names and CR LF pairs anywhere.
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

            if (inPlace) {
                overwriteInPlace(list, c.after);
            } else {
                write(c.after);
            }

            EXPECT_EQ(reader.CountListEntries(), static_cast<std::int32_t>(namesIn(c.after).size()));
            EXPECT_EQ(readAll(reader), namesIn(c.after));
        }
    }
}

TEST_F(NameListReaderTest, SameSizeEditInTheMiddleIsSeenByItsNewTime) {
    // Far from both ends, one name becomes two without changing the size.
    const std::string padding(200, 'p');
    write("head\r\n" + padding + "\r\noldname\r\n" + padding + "\r\nend\r\n");
    ASSERT_EQ(reader.CountListEntries(), 5);
    const auto before = std::filesystem::last_write_time(list);

    overwriteInPlace(list, "head\r\n" + padding + "\r\nold\r\nne\r\n" + padding + "\r\nend\r\n");
    // File times are coarse: date the edit as one made a moment later would be.
    std::filesystem::last_write_time(list, before + std::chrono::seconds(1));

    EXPECT_EQ(reader.CountListEntries(), 6);
    EXPECT_EQ(reader.ReadNameAt(3), "old");
    EXPECT_EQ(reader.ReadNameAt(4), "ne");
    EXPECT_EQ(reader.ReadNameAt(5), padding);
}

TEST_F(NameListReaderTest, SameSizeRewriteWithinOneClockTickIsSeenByItsFirstBytes) {
    const std::string padding(200, 'p');
    write("abcd\r\n" + padding + "\r\nend\r\n");
    ASSERT_EQ(reader.CountListEntries(), 3);
    const auto before = std::filesystem::last_write_time(list);

    overwriteInPlace(list, "a\r\nd\r\n" + padding + "\r\nend\r\n");
    std::filesystem::last_write_time(list, before);

    EXPECT_EQ(reader.CountListEntries(), 4);
    EXPECT_EQ(reader.ReadNameAt(2), "d");
    EXPECT_EQ(reader.ReadNameAt(4), "end");
}

TEST_F(NameListReaderTest, ListWithAnOldFileTimeIsStillFollowed) {
    write("a\r\nb\r\n");
    std::filesystem::last_write_time(list,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_EQ(reader.CountListEntries(), 2);
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

TEST_F(NameListReaderTest, UnreadablePathsHaveNoNames) {
    for (const auto& path : {std::filesystem::path(), folder / "missing.txt", folder.path()}) {
        SCOPED_TRACE(path.string());
        reader.setFile(path);
        EXPECT_EQ(reader.CountListEntries(), 0);
        EXPECT_EQ(reader.ReadNameAt(1), kEndOfList);
    }
}

TEST_F(NameListReaderTest, ChoosingAnotherFileForgetsTheFirst) {
    write("a\r\nb\r\nc\r\n");
    const auto other = folder / "other.txt";
    ASSERT_TRUE(WriteFileReplacing(other, "x\r\n"));
    ASSERT_EQ(reader.CountListEntries(), 3);

    reader.setFile(other);

    EXPECT_EQ(reader.file(), other);
    EXPECT_EQ(reader.CountListEntries(), 1);
    EXPECT_EQ(reader.ReadNameAt(1), "x");
    EXPECT_EQ(reader.ReadNameAt(2), kEndOfList);
}

}  // namespace
}  // namespace quillmark
