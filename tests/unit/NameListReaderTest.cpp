#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <limits>
#include <random>
#include <tuple>

#include "engine/NameListReader.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using Names = std::vector<std::string>;

// What a reader that starts from the top of the file every time would find.
Names namesIn(std::string_view bytes) {
    Names names;
    for (const auto line : text::splitLines(bytes))
        if (!line.empty()) names.emplace_back(line);
    return names;
}

class NameListReaderTest : public ::testing::Test {
protected:
    NameListReaderTest() { reader.setFile(list); }
    void write(std::string_view bytes) { ASSERT_TRUE(WriteFileReplacing(list, bytes)); }
    // Writes over the file in place, as an editor that truncates it would.
    void overwrite(std::string_view bytes) {
        std::ofstream(list, std::ios::binary | std::ios::trunc).write(bytes.data(), std::ssize(bytes));
    }
    // Every name the reader gives, one call per position, up to the end marker.
    Names readAll() {
        Names names;
        for (std::int32_t n = 1;; ++n) {
            auto name = reader.ReadNameAt(n);
            if (name == kEndOfList) return names;
            names.push_back(std::move(name));
        }
    }
    // The reader answers as a fresh reading would; countFirst chooses which call meets a change first.
    void expectReads(const Names& names, bool countFirst = true) {
        if (countFirst) {
            EXPECT_EQ(reader.CountListEntries(), std::ssize(names));
        }
        EXPECT_EQ(readAll(), names);
        EXPECT_EQ(reader.CountListEntries(), std::ssize(names));
    }

    testing::TempFolder folder;
    std::filesystem::path list = folder / "list.txt";
    NameListReader reader;
};

TEST_F(NameListReaderTest, LineEndsEmptyLinesAndPositions) {
    // clang-format off
    const std::pair<std::string, Names> cases[] = {
        {"a\r\nb\r\nc\r\n", {"a", "b", "c"}}, {"a\nb\nc\n", {"a", "b", "c"}}, {"a\rb\rc\r", {"a", "b", "c"}},
        {"a\r\nb\nc\rd\r\n", {"a", "b", "c", "d"}}, {"a\n\rb\n\r", {"a", "b"}}, {"\r\n", {}}, {"", {}},
        {"\r\n\r\na\r\n\r\n\r\nb\r\n\r\n", {"a", "b"}}, {"a\r\nlast", {"a", "last"}}, {"solo", {"solo"}},
        {"a\r\n \r\nb\r\n", {"a", " ", "b"}}, {"  two words \r\n\tx\r\n", {"  two words ", "\tx"}},
        {"caf\xc3\xa9.com\r\n", {"caf\xc3\xa9.com"}}};
    // clang-format on
    for (const auto& [bytes, names] : cases) {
        SCOPED_TRACE(text::replaceAll(text::replaceAll(bytes, "\r", "<CR>"), "\n", "<LF>"));
        write(bytes);
        reader.setFile(list);
        expectReads(names);
        for (const auto n :
             {0, -1, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()})
            EXPECT_EQ(reader.ReadNameAt(n), kEndOfList) << n;
    }
}

TEST_F(NameListReaderTest, LongNamesAndLinesAcrossLargeReadsAndPieceByPieceGrowth) {
    // Names longer than one read of a name, a CR LF split at the 1 MiB mark
    // where indexing reads in pieces, and many names after it, read out of order.
    const std::string longName(5000, 'x');
    std::string bytes = "first\r\n" + longName + "\r\n";
    bytes += std::string((1 << 20) - 1 - bytes.size(), 'p') + "\r\n";
    for (int i = 0; i < 60000; ++i) bytes += "name" + std::to_string(i) + (i % 3 == 0 ? "\n" : "\r\n\r\n");
    write(bytes += longName + "y");
    const Names expected = namesIn(bytes);
    EXPECT_EQ(reader.CountListEntries(), std::ssize(expected));
    for (auto n = static_cast<std::int32_t>(expected.size()); n > 0; n -= 997)
        EXPECT_EQ(reader.ReadNameAt(n), expected[static_cast<std::size_t>(n) - 1]) << n;
    for (const std::int32_t n : {1, 2, 3, 4}) EXPECT_EQ(reader.ReadNameAt(n), expected[n - 1]) << n;

    // Random appended pieces split names and CR LF pairs anywhere.
    std::mt19937 random(20260105);
    std::string source;
    for (int i = 0; i < 400; ++i) {
        source += std::string(random() % 4, '\n') + "n" + std::to_string(random() % 100000);
        source += (random() % 2) ? "\r\n" : "\r";
    }
    write("");
    for (std::size_t written = 0; written < source.size();) {
        const std::size_t piece = std::min<std::size_t>(1 + random() % 23, source.size() - written);
        ASSERT_TRUE(AppendToFile(list, std::string_view(source).substr(written, piece)));
        const Names grown = namesIn(source.substr(0, written += piece));
        ASSERT_EQ(reader.CountListEntries(), std::ssize(grown)) << written;
        if (!grown.empty()) {
            ASSERT_EQ(reader.ReadNameAt(std::ssize(grown)), grown.back());
        }
    }
    EXPECT_EQ(readAll(), namesIn(source));
}

TEST_F(NameListReaderTest, RewrittenListIsReadAfresh) {
    // Long enough that a change at one end lies far from the other end.
    const std::string p(100, 'p'), q(200, 'p');
    // The rewrite is dated `later` seconds after the first write (-1: as it falls).
    const std::tuple<std::string, std::string, int> cases[] = {
        // clang-format off
        {"a\r\nb\r\n", "x\r\ny\r\n", -1}, {"a\r\nb\r\n", "x\r\ny\r\nz\r\n", -1},
        {"abcd\r\n" + p + "\r\nend\r\n", "a\r\nd\r\n" + p + "\r\nend\r\nmore\r\n", -1},
        {p + "\r\nbeta\r\n", p + "\r\nb\r\nta\r\ngamma\r\n", -1},
        {"alpha\r\nbeta\r\n", "alpha\r\nbetx\r\ngamma\r\n", -1}, {"alpha\r\nbe", "alpha\r\nbx\r\nc\r\n", -1},
        {"a\r\nb\r\nc\r\n", "a\r\n", -1}, {"a\r\nb\r\n", "", -1},
        // Same size: changed far from both ends a moment later, as file times
        // are coarse; or within the same clock tick, changing the first bytes.
        {"head\r\n" + q + "\r\noldname\r\n" + q + "\r\nend\r\n",
         "head\r\n" + q + "\r\nold\r\nne\r\n" + q + "\r\nend\r\n", 1},
        {"abcd\r\n" + q + "\r\nend\r\n", "a\r\nd\r\n" + q + "\r\nend\r\n", 0},
        // clang-format on
    };
    for (const bool inPlace : {true, false}) {
        for (const auto& [before, after, later] : cases) {
            SCOPED_TRACE(after.substr(0, 20) + (inPlace ? ", in place" : ", replaced"));
            write(before);
            reader.setFile(list);
            ASSERT_EQ(readAll(), namesIn(before));
            const auto time = std::filesystem::last_write_time(list);
            inPlace ? overwrite(after) : write(after);
            if (later >= 0) std::filesystem::last_write_time(list, time + std::chrono::seconds(later));
            expectReads(namesIn(after), inPlace);
        }
    }
}

TEST_F(NameListReaderTest, FollowsAnOldListADeletedOneAndAnotherFile) {
    write("a\r\nb\r\n");
    std::filesystem::last_write_time(list,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    expectReads({"a", "b"}, false);
    overwrite("c\r\nd\r\n");
    expectReads({"c", "d"}, false);
    ASSERT_TRUE(AppendToFile(list, "e\r\n"));
    expectReads({"c", "d", "e"}, false);
    std::filesystem::remove(list);
    expectReads({}, false);
    write("c\r\n");
    expectReads({"c"});
    // Choosing another file forgets the first.
    folder.write("other.txt", "x\r\n");
    // clang-format off
    const std::pair<std::filesystem::path, Names> files[] = {
        {{}, {}}, {folder / "missing.txt", {}}, {folder.path(), {}},
        {list, {"c"}}, {folder / "other.txt", {"x"}}};
    // clang-format on
    for (const auto& [path, names] : files) {
        reader.setFile(path);
        EXPECT_EQ(reader.file(), path);
        expectReads(names);
    }
}

}  // namespace
}  // namespace quillmark
