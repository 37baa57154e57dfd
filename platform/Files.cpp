#include "Files.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <system_error>

#include "Text.h"

namespace quillmark {

namespace fs = std::filesystem;

bool FileExists(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool DirExists(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

std::string FileNamePart(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

namespace {

fs::path join(const fs::path& root, std::string_view name, bool lowerLast) {
    fs::path result = root;
    std::vector<std::string_view> parts;
    for (const auto part : text::split(name, '\\')) {
        for (const auto piece : text::split(part, '/')) {
            if (!piece.empty() && piece != "." && piece != "..") parts.push_back(piece);
        }
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        result /= (last && !lowerLast) ? std::string(parts[i]) : text::toLower(parts[i]);
    }
    return result;
}

}  // namespace

fs::path ProgramFolder::file(std::string_view name) const {
    return join(root_, name, false);
}

fs::path ProgramFolder::folder(std::string_view name) const {
    return join(root_, name, true);
}

namespace {

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

// Read with stdio rather than a stream buffer: libstdc++'s filebuf throws on a
// read error (a folder, a failing disk), and a short read must not pass for the
// whole file, or a rewrite that follows would lose the rest.
std::optional<std::string> ReadWholeFile(const fs::path& path) {
    const std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string bytes;
    std::array<char, 64 * 1024> chunk;
    std::size_t count = 0;
    while ((count = std::fread(chunk.data(), 1, chunk.size(), file.get())) > 0) {
        bytes.append(chunk.data(), count);
    }
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

bool WriteFileReplacing(const fs::path& path, std::string_view bytes) {
    fs::path temporary = path;
    temporary += ".saving";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (!error) return true;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
}

bool CopyFileReplacing(const fs::path& source, const fs::path& destination) {
    if (!FileExists(source)) return false;
    fs::path temporary = destination;
    temporary += ".saving";
    std::error_code error;
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(temporary, destination, error);
    if (!error) return true;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
}

std::string SafeFileName(std::string_view text) {
    static constexpr std::string_view kUnsafe = "/\\:*?\"<>|";
    std::string name(text);
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || kUnsafe.find(c) != std::string_view::npos) c = '_';
    }
    if (!name.empty() && name.front() == '.') name.front() = '_';
    return name;
}

bool AppendToFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

bool MakeFolder(const fs::path& path) {
    std::error_code error;
    fs::create_directory(path, error);
    return !error && DirExists(path);
}

std::vector<std::string> ReadNameList(const fs::path& path) {
    std::vector<std::string> names;
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return names;
    for (const auto line : text::splitLines(*bytes)) {
        if (!line.empty() && line != " ") names.emplace_back(line);
    }
    return names;
}

}  // namespace quillmark
