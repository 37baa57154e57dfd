#pragma once

#include <unistd.h>

#include <atomic>

#include "platform/Files.h"  // and the file system, strings and views it takes

namespace quillmark::testing {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        path_ /= "quillmark-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_, ignored_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    std::string read(std::string_view name) const {
        return ReadWholeFile(path_ / name).value_or("<missing>");
    }
    void write(std::string_view name, std::string_view bytes) const {
        WriteFileReplacing(path_ / name, bytes);
    }

private:
    std::filesystem::path path_ = std::filesystem::temp_directory_path();
    std::error_code ignored_;
};

}  // namespace quillmark::testing
