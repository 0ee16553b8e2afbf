#include "log/rotating_file.h"

#include <cstdio>
#include <memory>
#include <string>

#include "log/messages.h"

namespace kestrova {

namespace fs = std::filesystem;

RotatingFile::RotatingFile(fs::path path, std::uintmax_t max_bytes, int kept_old)
    : path_(std::move(path)), max_bytes_(max_bytes), kept_old_(kept_old) {}

void RotatingFile::rotate() {
    std::error_code ec;
    auto old = [this](int n) { return fs::path(path_.string() + "." + std::to_string(n)); };
    fs::remove(old(kept_old_), ec);
    for (int n = kept_old_ - 1; n >= 1; --n) fs::rename(old(n), old(n + 1), ec);
    fs::rename(path_, old(1), ec);
}

Result<> RotatingFile::append_line(std::string_view line) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path_, ec);
    if (!ec && size + line.size() + 1 > max_bytes_) rotate();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path_.c_str(), "ab"), &std::fclose);
    if (!f) return fail(log_text::cannot_write(path_.string()));
    const bool written = std::fwrite(line.data(), 1, line.size(), f.get()) == line.size() && std::fputc('\n', f.get()) != EOF;
    if (!written || std::fflush(f.get()) != 0) return fail(log_text::cannot_write(path_.string()));
    return {};
}

}  // namespace kestrova
