// Loading a module as a data file: the file is mapped read-only and stays
// mapped while the process runs (loaded modules are never unloaded).
//
// Only data-file loads are possible here (LOAD_LIBRARY_AS_DATAFILE): a load
// without that flag answers null, as does a path that cannot be opened or
// that is not a regular file (a pipe, a device, a socket or a folder is
// refused at once, without being read or waited for). Loading the same file again answers the same
// handle, as the platform's loader does, so repeated switches to one
// resource library map it once. Like the rest of the library this takes no
// locks: load from one thread at a time.
#include "platform/internal/module_loader.h"
#include "platform/internal/regular_file.h"

#include <uiutil/resource_handle.h>

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// One mapped file; a module handle points at its record.
struct DataModule {
    dev_t device;
    ino_t inode;
    const void* data; // null for an empty file
    std::size_t size;
};

// Never destroyed: the modules stay loaded, and reachable, until the
// process ends.
std::vector<DataModule*>& loaded_modules() {
    static std::vector<DataModule*>* modules = new std::vector<DataModule*>();
    return *modules;
}

HINSTANCE as_handle(DataModule* module) {
    return reinterpret_cast<HINSTANCE>(module);
}

DataModule* find_loaded(HINSTANCE handle) {
    for (DataModule* module : loaded_modules())
        if (as_handle(module) == handle)
            return module;
    return nullptr;
}

} // namespace

HINSTANCE uiutil_internal::platform_load_library(const char* path, HANDLE, DWORD flags) {
    if (!path || !(flags & LOAD_LIBRARY_AS_DATAFILE))
        return nullptr;
    // A pipe, a device, a socket or a folder is refused at once, unread.
    int fd = -1;
    struct stat status;
    if (uiutil_internal::open_regular_file(path, &fd, &status) != uiutil_internal::FileOpen::Opened)
        return nullptr;
    for (DataModule* module : loaded_modules()) {
        if (module->device == status.st_dev && module->inode == status.st_ino) {
            close(fd);
            return as_handle(module);
        }
    }
    // Mapping reads nothing yet: a large file costs address space only. One
    // larger than the address space can hold is refused.
    if (status.st_size < 0 ||
        static_cast<std::uintmax_t>(status.st_size) > static_cast<std::uintmax_t>(PTRDIFF_MAX)) {
        close(fd);
        return nullptr;
    }
    const std::size_t size = static_cast<std::size_t>(status.st_size);
    void* data = nullptr;
    if (size > 0) {
        data = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (data == MAP_FAILED) {
            close(fd);
            return nullptr;
        }
    }
    close(fd); // the mapping keeps the file's contents reachable
    DataModule* module = new DataModule{status.st_dev, status.st_ino, data, size};
    loaded_modules().push_back(module);
    return as_handle(module);
}

int ui_data_module_bytes(HINSTANCE handle, const void** data, std::size_t* size) {
    const DataModule* module = handle ? find_loaded(handle) : nullptr;
    if (!module)
        return 0;
    if (data)
        *data = module->data;
    if (size)
        *size = module->size;
    return 1;
}
