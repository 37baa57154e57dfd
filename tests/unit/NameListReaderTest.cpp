#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
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
    // Writes over the file in place, as an editor that truncates it would.
    void write(std::string_view bytes) {
        std::ofstream(list, std::ios::binary | std::ios::trunc).write(bytes.data(), std::ssize(bytes));
    }
    // The count, then every name the reader gives, one call per position, up to the end marker.
    void expectReads(const Names& names) {
        EXPECT_EQ(reader.CountListEntries(), std::ssize(names));
        Names read;
        for (std::int32_t n = 1; read.size() <= names.size(); ++n) {
            auto name = reader.ReadNameAt(n);
            if (name == kEndOfList) break;
            read.push_back(std::move(name));
        }
        EXPECT_EQ(read, names);
    }

    testing::TempFolder folder;
    std::filesystem::path list = folder / "list.txt";
    NameListReader reader;
};

// Each byte is appended on its own, splitting names and CR LF pairs.
TEST_F(NameListReaderTest, EveryLineEndAndEmptyLineOfAListGrowingByteByByte) {
    const std::string bytes = "\r\n\r\na\r\nb\nc\rd\r\n\n\re\n\r\r\n \r\n\tx y \r\nlast";
    write("");
    for (std::size_t size = 1; size <= bytes.size(); ++size) {
        ASSERT_TRUE(AppendToFile(list, bytes.substr(size - 1, 1)));
        SCOPED_TRACE(size);
        expectReads(namesIn(bytes.substr(0, size)));
    }
    expectReads({"a", "b", "c", "d", "e", " ", "\tx y ", "last"});
}

TEST_F(NameListReaderTest, LongNamesAcrossLargeReads) {
    // A name longer than one read of a name, and a CR LF split at the 1 MiB
    // mark where indexing reads in pieces, with many names after it.
    const std::string longName(5000, 'x');
    std::string bytes = "first\r\n" + longName + "\r\n";
    bytes += std::string((1 << 20) - 1 - bytes.size(), 'p') + "\r\n";
    for (int i = 0; i < 60000; ++i) bytes += "name" + std::to_string(i) + (i % 3 == 0 ? "\n" : "\r\n\r\n");
    write(bytes += longName + "y");
    const Names expected = namesIn(bytes);
    EXPECT_EQ(reader.CountListEntries(), std::ssize(expected));
    for (auto n = static_cast<std::int32_t>(expected.size()); n > 0; n -= n > 10 ? 997 : 1)
        EXPECT_EQ(reader.ReadNameAt(n), expected[static_cast<std::size_t>(n) - 1]) << n;
}

TEST_F(NameListReaderTest, RewrittenListOrAnotherFileIsReadAfresh) {
    // Long enough that a change at one end lies far from the other end.
    const std::string p(100, 'p'), q(200, 'p');
    // The rewrite is dated `later` seconds after the first write (-1: as it
    // falls); below -1, the first write is dated that far back instead, so the
    // reader trusts its size and time until they move.
    const std::tuple<std::string, std::string, int> cases[] = {
        // clang-format off
        {"abcd\r\n" + p + "\r\nend\r\n", "a\r\nd\r\n" + p + "\r\nend\r\nmore\r\n", -1},
        {p + "\r\nbeta\r\n", p + "\r\nb\r\nta\r\ngamma\r\n", -1},
        // Same size: changed far from both ends a moment later, as file times
        // are coarse; or within the same clock tick, changing the first bytes.
        {"head\r\n" + q + "\r\noldname\r\n" + q + "\r\nend\r\n",
         "head\r\n" + q + "\r\nold\r\nne\r\n" + q + "\r\nend\r\n", 1},
        {"abcd\r\n" + q + "\r\nend\r\n", "a\r\nd\r\n" + q + "\r\nend\r\n", 0},
        {"a\r\nb\r\n", "c\r\nd\r\n", -3600}, {"c\r\nd\r\n", "c\r\nd\r\ne\r\n", -3600},
        // clang-format on
    };
    for (const auto& [before, after, later] : cases) {
        SCOPED_TRACE(after.substr(0, 20));
        write(before);
        const auto time = std::filesystem::last_write_time(list);
        if (later < -1) std::filesystem::last_write_time(list, time + std::chrono::seconds(later));
        expectReads(namesIn(before));
        write(after);
        if (later >= 0) std::filesystem::last_write_time(list, time + std::chrono::seconds(later));
        expectReads(namesIn(after));
    }
    // Choosing another file forgets the first.
    folder.write("other.txt", "x\r\n");
    const std::pair<std::filesystem::path, Names> files[] = {
        {{}, {}}, {folder.path(), {}}, {list, {"c", "d", "e"}}, {folder / "other.txt", {"x"}}};
    for (const auto& [path, names] : files) {
        reader.setFile(path);
        expectReads(names);
    }
}

}  // namespace
}  // namespace quillmark
