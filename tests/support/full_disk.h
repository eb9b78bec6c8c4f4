// A disk that is full while a FullDisk lives: every write of the game's own files and of SQLite's
// fails with "no space left on the disk", as on a filled disk; once it goes, writes work again.
#pragma once

#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>

#include "save/snapshot_file.h"

namespace holdem::testing {

class FullDisk {
  public:
    FullDisk() {
        set_write_call(refused_write);
        sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        for (const char* call : {"write", "pwrite", "pwrite64"}) {
            if (!vfs->xGetSystemCall(vfs, call)) continue;
            sqlite_call(vfs, call,
                        call[0] == 'w' ? reinterpret_cast<sqlite3_syscall_ptr>(refused_write)
                                       : reinterpret_cast<sqlite3_syscall_ptr>(refused_pwrite));
        }
    }
    ~FullDisk() {
        set_write_call(nullptr);
        sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        vfs->xSetSystemCall(vfs, nullptr, nullptr);  // every call back to the system's own
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    static void sqlite_call(sqlite3_vfs* vfs, const char* name, sqlite3_syscall_ptr call) {
        vfs->xSetSystemCall(vfs, name, call);
    }
    static ssize_t refused_write(int, const void*, std::size_t) {
        errno = ENOSPC;
        return -1;
    }
    static ssize_t refused_pwrite(int, const void*, std::size_t, off_t) {
        errno = ENOSPC;
        return -1;
    }
};

}  // namespace holdem::testing
