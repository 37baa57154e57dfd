#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// True when a plain file of that path exists.
bool FileExists(const std::filesystem::path& path);
// True when the folder exists.
bool DirExists(const std::filesystem::path& path);
// The text after the last backslash or slash; the whole path without one.
std::string FileNamePart(std::string_view path);

// The folder every data file lives in. Names are written as "\wordlists\x.txt";
// folder parts map to the lower-case folders made at start-up, file names keep
// their case.
class ProgramFolder {
public:
    explicit ProgramFolder(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& root() const { return root_; }
    // A file in the folder: "\Wordlists\FullWordList.txt" -> root/wordlists/FullWordList.txt.
    std::filesystem::path file(std::string_view name) const;
    // A folder in the folder: "\OverFlow" -> root/overflow.
    std::filesystem::path folder(std::string_view name) const;

private:
    std::filesystem::path root_;
};

// Whole-file operations. Failures return false or nothing and leave no file
// half written: a rewrite goes to a temporary file that replaces the old one.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);
bool AppendToFile(const std::filesystem::path& path, std::string_view bytes);
bool MakeFolder(const std::filesystem::path& path);
// Copies a plain file over destination through a temporary file, so an
// interrupted copy never leaves a truncated file behind. False, with the
// destination as it was, when the source is missing or the copy or the
// replacement fails.
bool CopyFileReplacing(const std::filesystem::path& source, const std::filesystem::path& destination);
// A text made fit to be one file name inside a folder: path separators,
// control characters and :*?"<>| become "_", and so does a leading dot.
std::string SafeFileName(std::string_view text);

// Names of a list file: lines ended by CR LF, LF or CR; empty lines and lines
// of one space are no names. A missing file gives no names.
std::vector<std::string> ReadNameList(const std::filesystem::path& path);

}  // namespace quillmark
