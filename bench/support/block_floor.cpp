// How the floors read a file in blocks and split its lines without allocating.
#include "support/block_floor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace quill::bench {

namespace {

// The same block size as the converters' line reader.
constexpr std::size_t kBlockSize = 1 << 20;

struct Field {
    std::uint32_t begin;
    std::uint32_t end;
};

class Splitter {
public:
    Splitter() { fields_.resize(256); }

    void line(const char* text, std::size_t length, FloorResult& result) {
        std::size_t count = 0;
        std::size_t i = 0;
        for (;;) {
            while (i < length && static_cast<unsigned char>(text[i]) <= 32) ++i;
            if (i == length) break;
            const std::size_t begin = i;
            while (i < length && static_cast<unsigned char>(text[i]) > 32) ++i;
            if (count == fields_.size()) fields_.resize(count * 2);
            fields_[count++] = {static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(i)};
        }
        ++result.lines;
        result.fields += static_cast<long long>(count);
        if (count > 0) result.checksum += fields_[count - 1].end ^ (fields_[0].begin << 8) ^ count;
    }

private:
    std::vector<Field> fields_;
};

[[noreturn]] void fail(const std::string& path) { throw std::runtime_error(path + ": " + std::strerror(errno)); }

// Reads the file in large blocks and hands every line, without its line feed, to on_line.
template <typename OnLine>
void for_each_line(const std::string& path, OnLine&& on_line) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) fail(path);
    std::size_t capacity = kBlockSize;
    std::unique_ptr<char[]> buffer(new char[capacity]);
    std::size_t kept = 0;
    for (;;) {
        if (kept == capacity) {
            std::unique_ptr<char[]> larger(new char[capacity * 2]);
            std::memcpy(larger.get(), buffer.get(), kept);
            buffer = std::move(larger);
            capacity *= 2;
        }
        const ssize_t got = ::read(fd, buffer.get() + kept, capacity - kept);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            fail(path);
        }
        if (got == 0) break;
        const char* const data = buffer.get();
        const std::size_t end = kept + static_cast<std::size_t>(got);
        std::size_t begin = 0;
        while (const void* found = std::memchr(data + begin, '\n', end - begin)) {
            const std::size_t stop = static_cast<std::size_t>(static_cast<const char*>(found) - data);
            on_line(data + begin, stop - begin);
            begin = stop + 1;
        }
        kept = end - begin;
        std::memmove(buffer.get(), data + begin, kept);
    }
    if (kept > 0) on_line(buffer.get(), kept);
    ::close(fd);
}

} // namespace

FloorResult read_and_split(const std::string& path) {
    Splitter splitter;
    FloorResult result;
    for_each_line(path, [&](const char* text, std::size_t length) { splitter.line(text, length, result); });
    return result;
}

long long count_lines(const std::string& path) {
    long long lines = 0;
    for_each_line(path, [&](const char*, std::size_t) { ++lines; });
    return lines;
}

} // namespace quill::bench
