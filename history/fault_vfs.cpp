#include "fault_vfs.h"

#include <sqlite3.h>

#include <filesystem>
#include <mutex>

#include "write_error.h"
#include "write_faults.h"

namespace dakru::history {
namespace {

constexpr const char* kName = "dakru";

// A file opened through this layer: the system layer's file follows it in the
// same block of memory.
struct FaultFile {
    sqlite3_file base;
    const char* name;  // SQLite keeps it valid until the file is closed; null for a temporary
    sqlite3_file* real;
};

sqlite3_file* realFile(sqlite3_file* file)
{
    return reinterpret_cast<FaultFile*>(file)->real;
}

const sqlite3_io_methods& realMethods(sqlite3_file* file)
{
    return *realFile(file)->pMethods;
}

// What the seam says of this step of this file, as SQLite's result code.
int refusal(storage::Step step, sqlite3_file* file, int ioError)
{
    const char* name = reinterpret_cast<FaultFile*>(file)->name;
    const std::error_code fault = storage::injectedFault(step, name != nullptr ? name : "");
    if (!fault) {
        return SQLITE_OK;
    }
    return storage::WriteError{step, fault}.noSpace() ? SQLITE_FULL : ioError;
}

const sqlite3_io_methods kMethods = {
    3,
    [](sqlite3_file* f) { return realMethods(f).xClose(realFile(f)); },
    [](sqlite3_file* f, void* to, int amount, sqlite3_int64 offset) {
        return realMethods(f).xRead(realFile(f), to, amount, offset);
    },
    [](sqlite3_file* f, const void* from, int amount, sqlite3_int64 offset) {
        if (const int refused = refusal(storage::Step::Write, f, SQLITE_IOERR_WRITE)) {
            return refused;
        }
        return realMethods(f).xWrite(realFile(f), from, amount, offset);
    },
    [](sqlite3_file* f, sqlite3_int64 size) {
        if (const int refused = refusal(storage::Step::Write, f, SQLITE_IOERR_TRUNCATE)) {
            return refused;
        }
        return realMethods(f).xTruncate(realFile(f), size);
    },
    [](sqlite3_file* f, int flags) {
        if (const int refused = refusal(storage::Step::Flush, f, SQLITE_IOERR_FSYNC)) {
            return refused;
        }
        return realMethods(f).xSync(realFile(f), flags);
    },
    [](sqlite3_file* f, sqlite3_int64* size) { return realMethods(f).xFileSize(realFile(f), size); },
    [](sqlite3_file* f, int lock) { return realMethods(f).xLock(realFile(f), lock); },
    [](sqlite3_file* f, int lock) { return realMethods(f).xUnlock(realFile(f), lock); },
    [](sqlite3_file* f, int* reserved) { return realMethods(f).xCheckReservedLock(realFile(f), reserved); },
    [](sqlite3_file* f, int op, void* arg) { return realMethods(f).xFileControl(realFile(f), op, arg); },
    [](sqlite3_file* f) { return realMethods(f).xSectorSize(realFile(f)); },
    [](sqlite3_file* f) { return realMethods(f).xDeviceCharacteristics(realFile(f)); },
    [](sqlite3_file* f, int region, int size, int extend, void volatile** memory) {
        return realMethods(f).xShmMap(realFile(f), region, size, extend, memory);
    },
    [](sqlite3_file* f, int offset, int n, int flags) {
        return realMethods(f).xShmLock(realFile(f), offset, n, flags);
    },
    [](sqlite3_file* f) { realMethods(f).xShmBarrier(realFile(f)); },
    [](sqlite3_file* f, int remove) { return realMethods(f).xShmUnmap(realFile(f), remove); },
    [](sqlite3_file* f, sqlite3_int64 offset, int amount, void** page) {
        return realMethods(f).xFetch(realFile(f), offset, amount, page);
    },
    [](sqlite3_file* f, sqlite3_int64 offset, void* page) {
        return realMethods(f).xUnfetch(realFile(f), offset, page);
    },
};

sqlite3_vfs* realVfs(sqlite3_vfs* vfs)
{
    return static_cast<sqlite3_vfs*>(vfs->pAppData);
}

sqlite3_vfs makeVfs(sqlite3_vfs* real)
{
    sqlite3_vfs vfs = *real;
    vfs.szOsFile = static_cast<int>(sizeof(FaultFile)) + real->szOsFile;
    vfs.pNext = nullptr;
    vfs.zName = kName;
    vfs.pAppData = real;
    vfs.xOpen = [](sqlite3_vfs* v, const char* name, sqlite3_file* file, int flags, int* outFlags) {
        auto* wrapped = reinterpret_cast<FaultFile*>(file);
        wrapped->name = name;
        wrapped->real = reinterpret_cast<sqlite3_file*>(wrapped + 1);
        wrapped->real->pMethods = nullptr;
        const int rc = realVfs(v)->xOpen(realVfs(v), name, wrapped->real, flags, outFlags);
        // SQLite closes only a file whose methods are set.
        wrapped->base.pMethods = wrapped->real->pMethods != nullptr ? &kMethods : nullptr;
        return rc;
    };
    vfs.xDelete = [](sqlite3_vfs* v, const char* name, int sync) {
        return realVfs(v)->xDelete(realVfs(v), name, sync);
    };
    vfs.xAccess = [](sqlite3_vfs* v, const char* name, int flags, int* result) {
        return realVfs(v)->xAccess(realVfs(v), name, flags, result);
    };
    vfs.xFullPathname = [](sqlite3_vfs* v, const char* name, int size, char* out) {
        return realVfs(v)->xFullPathname(realVfs(v), name, size, out);
    };
    vfs.xDlOpen = [](sqlite3_vfs* v, const char* name) { return realVfs(v)->xDlOpen(realVfs(v), name); };
    vfs.xDlError = [](sqlite3_vfs* v, int size, char* out) { realVfs(v)->xDlError(realVfs(v), size, out); };
    vfs.xDlSym = [](sqlite3_vfs* v, void* handle, const char* symbol) -> void (*)() {
        return realVfs(v)->xDlSym(realVfs(v), handle, symbol);
    };
    vfs.xDlClose = [](sqlite3_vfs* v, void* handle) { realVfs(v)->xDlClose(realVfs(v), handle); };
    vfs.xRandomness = [](sqlite3_vfs* v, int size, char* out) {
        return realVfs(v)->xRandomness(realVfs(v), size, out);
    };
    vfs.xSleep = [](sqlite3_vfs* v, int microseconds) { return realVfs(v)->xSleep(realVfs(v), microseconds); };
    vfs.xCurrentTime = [](sqlite3_vfs* v, double* now) { return realVfs(v)->xCurrentTime(realVfs(v), now); };
    vfs.xGetLastError = [](sqlite3_vfs* v, int size, char* out) {
        return realVfs(v)->xGetLastError(realVfs(v), size, out);
    };
    if (real->iVersion >= 2) {
        vfs.xCurrentTimeInt64 = [](sqlite3_vfs* v, sqlite3_int64* now) {
            return realVfs(v)->xCurrentTimeInt64(realVfs(v), now);
        };
    }
    if (real->iVersion >= 3) {
        vfs.xSetSystemCall = [](sqlite3_vfs* v, const char* name, sqlite3_syscall_ptr call) {
            return realVfs(v)->xSetSystemCall(realVfs(v), name, call);
        };
        vfs.xGetSystemCall = [](sqlite3_vfs* v, const char* name) {
            return realVfs(v)->xGetSystemCall(realVfs(v), name);
        };
        vfs.xNextSystemCall = [](sqlite3_vfs* v, const char* name) {
            return realVfs(v)->xNextSystemCall(realVfs(v), name);
        };
    }
    return vfs;
}

}  // namespace

const char* faultVfsName()
{
    static std::once_flag registered;
    static sqlite3_vfs vfs;
    std::call_once(registered, [] {
        sqlite3_initialize();
        vfs = makeVfs(sqlite3_vfs_find(nullptr));
        sqlite3_vfs_register(&vfs, 0);
    });
    return kName;
}

}  // namespace dakru::history
