// How the hook wraps SQLite's file layer: every call passes through, writes to the one file are
// limited and its opening and closing reported.
#include "support/file_layer_hook.h"

#include <sqlite3.h>

#include <stdexcept>
#include <utility>

#include "app/platform.h"

namespace quill::test {

namespace {

// The file layer that the hook wraps and what it does to the one file.
struct Hand {
    sqlite3_vfs* real = nullptr;
    sqlite3_vfs layer{};
    std::string path;
    sqlite3_int64 room = -1; // no limit
    std::function<void()> opening;
    std::function<void()> closed;
};
Hand hand;

// A file of the hook's layer, followed in memory by the real layer's file.
struct HookedFile {
    sqlite3_file base;
    bool hooked;
};

sqlite3_file* real_file(sqlite3_file* file) {
    return reinterpret_cast<sqlite3_file*>(reinterpret_cast<HookedFile*>(file) + 1);
}
const sqlite3_io_methods* real_methods(sqlite3_file* file) { return real_file(file)->pMethods; }

int close(sqlite3_file* file) {
    const bool hooked = reinterpret_cast<HookedFile*>(file)->hooked;
    const int rc = real_methods(file)->xClose(real_file(file));
    if (hooked && hand.closed) hand.closed();
    return rc;
}
int read(sqlite3_file* file, void* data, int amount, sqlite3_int64 offset) {
    return real_methods(file)->xRead(real_file(file), data, amount, offset);
}
int write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    if (reinterpret_cast<HookedFile*>(file)->hooked && hand.room >= 0 &&
        offset + amount > hand.room)
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
const sqlite3_io_methods kHookedMethods{.iVersion = 3,
                                        .xClose = close,
                                        .xRead = read,
                                        .xWrite = write,
                                        .xTruncate = truncate,
                                        .xSync = sync,
                                        .xFileSize = file_size,
                                        .xLock = lock,
                                        .xUnlock = unlock,
                                        .xCheckReservedLock = check_reserved_lock,
                                        .xFileControl = file_control,
                                        .xSectorSize = sector_size,
                                        .xDeviceCharacteristics = device_characteristics,
                                        .xShmMap = shm_map,
                                        .xShmLock = shm_lock,
                                        .xShmBarrier = shm_barrier,
                                        .xShmUnmap = shm_unmap,
                                        .xFetch = fetch,
                                        .xUnfetch = unfetch};

bool names_hooked_file(const char* name, int flags) {
    if (!name || !(flags & SQLITE_OPEN_MAIN_DB)) return false;
    const std::string opened(name);
    return opened.size() >= hand.path.size() &&
           opened.compare(opened.size() - hand.path.size(), hand.path.size(), hand.path) == 0;
}

int open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* out_flags) {
    auto* hooked = reinterpret_cast<HookedFile*>(file);
    hooked->base.pMethods = nullptr;
    if (names_hooked_file(name, flags) && hand.opening) hand.opening();
    const int rc = hand.real->xOpen(hand.real, name, real_file(file), flags, out_flags);
    if (rc != SQLITE_OK) return rc;
    hooked->hooked = names_hooked_file(name, flags);
    hooked->base.pMethods = &kHookedMethods;
    return SQLITE_OK;
}

} // namespace

FileLayerHook FileLayerHook::full_disk(std::string path, std::int64_t room) {
    return FileLayerHook(std::move(path), room, {}, {});
}

FileLayerHook FileLayerHook::on_open(std::string path, std::function<void()> opening) {
    return FileLayerHook(std::move(path), -1, std::move(opening), {});
}

FileLayerHook FileLayerHook::on_open_and_close(std::string path, std::function<void()> opening,
                                               std::function<void()> closed) {
    return FileLayerHook(std::move(path), -1, std::move(opening), std::move(closed));
}

// Registered under the name of the layer it wraps, in front of it, so that
// a connection asking for that layer by name or by default gets this one.
FileLayerHook::FileLayerHook(std::string path, std::int64_t room, std::function<void()> opening,
                             std::function<void()> closed) {
    if (hand.real) throw std::logic_error("one file layer hook at a time");
    hand.real = sqlite3_vfs_find(database_file(path).file_layer);
    hand.layer = *hand.real;
    hand.layer.pNext = nullptr;
    hand.layer.szOsFile = static_cast<int>(sizeof(HookedFile)) + hand.real->szOsFile;
    hand.layer.xOpen = open;
    hand.path = std::move(path);
    hand.room = room;
    hand.opening = std::move(opening);
    hand.closed = std::move(closed);
    sqlite3_vfs_register(&hand.layer, 1);
}

FileLayerHook::~FileLayerHook() {
    sqlite3_vfs_unregister(&hand.layer);
    hand = Hand{};
}

} // namespace quill::test
