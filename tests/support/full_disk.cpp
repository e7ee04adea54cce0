#include "support/full_disk.h"

#include <sqlite3.h>

#include <stdexcept>

namespace quill::test {

namespace {

// The file layer that FullDisk wraps and the limit it imposes.
struct Limit {
    sqlite3_vfs* real = nullptr;
    sqlite3_vfs layer{};
    std::string path;
    sqlite3_int64 room = 0;
};
Limit limit;

// A file of the wrapped layer, followed in memory by the real layer's file.
struct LimitedFile {
    sqlite3_file base;
    bool limited;
};

sqlite3_file* real_file(sqlite3_file* file) {
    return reinterpret_cast<sqlite3_file*>(reinterpret_cast<LimitedFile*>(file) + 1);
}
const sqlite3_io_methods* real_methods(sqlite3_file* file) { return real_file(file)->pMethods; }

int close(sqlite3_file* file) { return real_methods(file)->xClose(real_file(file)); }
int read(sqlite3_file* file, void* data, int amount, sqlite3_int64 offset) {
    return real_methods(file)->xRead(real_file(file), data, amount, offset);
}
int write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    if (reinterpret_cast<LimitedFile*>(file)->limited && offset + amount > limit.room)
        return SQLITE_FULL;
    return real_methods(file)->xWrite(real_file(file), data, amount, offset);
}
int truncate(sqlite3_file* file, sqlite3_int64 size) {
    return real_methods(file)->xTruncate(real_file(file), size);
}
int sync(sqlite3_file* file, int flags) {
    return real_methods(file)->xSync(real_file(file), flags);
}
int file_size(sqlite3_file* file, sqlite3_int64* size) {
    return real_methods(file)->xFileSize(real_file(file), size);
}
int lock(sqlite3_file* file, int level) {
    return real_methods(file)->xLock(real_file(file), level);
}
int unlock(sqlite3_file* file, int level) {
    return real_methods(file)->xUnlock(real_file(file), level);
}
int check_reserved_lock(sqlite3_file* file, int* out) {
    return real_methods(file)->xCheckReservedLock(real_file(file), out);
}
int file_control(sqlite3_file* file, int op, void* arg) {
    return real_methods(file)->xFileControl(real_file(file), op, arg);
}
int sector_size(sqlite3_file* file) { return real_methods(file)->xSectorSize(real_file(file)); }
int device_characteristics(sqlite3_file* file) {
    return real_methods(file)->xDeviceCharacteristics(real_file(file));
}
int shm_map(sqlite3_file* file, int region, int size, int extend, void volatile** memory) {
    return real_methods(file)->xShmMap(real_file(file), region, size, extend, memory);
}
int shm_lock(sqlite3_file* file, int offset, int n, int flags) {
    return real_methods(file)->xShmLock(real_file(file), offset, n, flags);
}
void shm_barrier(sqlite3_file* file) { real_methods(file)->xShmBarrier(real_file(file)); }
int shm_unmap(sqlite3_file* file, int remove) {
    return real_methods(file)->xShmUnmap(real_file(file), remove);
}
int fetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** pages) {
    return real_methods(file)->xFetch(real_file(file), offset, amount, pages);
}
int unfetch(sqlite3_file* file, sqlite3_int64 offset, void* page) {
    return real_methods(file)->xUnfetch(real_file(file), offset, page);
}

// Version 3 of the methods: the real layers of SQLite 3.40 have as many.
const sqlite3_io_methods kLimitedMethods{3,
                                         close,
                                         read,
                                         write,
                                         truncate,
                                         sync,
                                         file_size,
                                         lock,
                                         unlock,
                                         check_reserved_lock,
                                         file_control,
                                         sector_size,
                                         device_characteristics,
                                         shm_map,
                                         shm_lock,
                                         shm_barrier,
                                         shm_unmap,
                                         fetch,
                                         unfetch};

bool names_limited_file(const char* name, int flags) {
    if (!name || !(flags & SQLITE_OPEN_MAIN_DB)) return false;
    const std::string opened(name);
    return opened.size() >= limit.path.size() &&
           opened.compare(opened.size() - limit.path.size(), limit.path.size(), limit.path) == 0;
}

int open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* out_flags) {
    auto* limited = reinterpret_cast<LimitedFile*>(file);
    limited->base.pMethods = nullptr;
    const int rc = limit.real->xOpen(limit.real, name, real_file(file), flags, out_flags);
    if (rc != SQLITE_OK) return rc;
    limited->limited = names_limited_file(name, flags);
    limited->base.pMethods = &kLimitedMethods;
    return SQLITE_OK;
}

} // namespace

// Registered under the name of the layer it wraps, in front of it, so that
// a connection asking for that layer by name or by default gets this one.
FullDisk::FullDisk(std::string path, std::int64_t room) {
    if (limit.real) throw std::logic_error("one full disk at a time");
    limit.real = sqlite3_vfs_find(nullptr);
    limit.layer = *limit.real;
    limit.layer.pNext = nullptr;
    limit.layer.szOsFile = static_cast<int>(sizeof(LimitedFile)) + limit.real->szOsFile;
    limit.layer.xOpen = open;
    limit.path = std::move(path);
    limit.room = room;
    sqlite3_vfs_register(&limit.layer, 1);
}

FullDisk::~FullDisk() {
    sqlite3_vfs_unregister(&limit.layer);
    limit.real = nullptr;
}

} // namespace quill::test
