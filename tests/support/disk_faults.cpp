// Linked into a test to play a disk that refuses: while SUMBREL_DISK_FULL names a folder, every
// write into a file below it fails with ENOSPC; while SUMBREL_DISK_READONLY names one, opening a file
// below it for writing, creating, renaming into it or removing from it fails with EROFS. Both hold
// for root too, unlike file modes.
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

bool Below(const std::string& path, const char* folder)
{
    if (!folder || !*folder)
        return false;
    const size_t n = std::strlen(folder);
    return path.compare(0, n, folder) == 0 && (path.size() == n || path[n] == '/');
}

std::string Absolute(int dirfd, const char* path)
{
    if (!path)
        return {};
    if (path[0] == '/')
        return path;
    char base[4096] = {0};
    if (dirfd == AT_FDCWD) {
        if (!getcwd(base, sizeof base - 1))
            return path;
    } else {
        const std::string link = "/proc/self/fd/" + std::to_string(dirfd);
        if (readlink(link.c_str(), base, sizeof base - 1) < 0)
            return path;
    }
    return std::string(base) + "/" + path;
}

std::string PathOf(int fd)
{
    char buf[4096] = {0};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = readlink(link.c_str(), buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, size_t(n)) : std::string();
}

bool ReadOnly(const std::string& path)
{
    return Below(path, std::getenv("SUMBREL_DISK_READONLY"));
}

bool Writes(int flags)
{
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND)) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
}

template <typename F>
F Real(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* buf, size_t n)
{
    static auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
    const char* full = std::getenv("SUMBREL_DISK_FULL");
    if (full && *full && fd > 2 && Below(PathOf(fd), full)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, buf, n);
}

#define SUMBREL_OPEN(name, ...)                                                                               \
    int name(const char* path, int flags, ...)                                                                \
    {                                                                                                         \
        static auto real = Real<int (*)(const char*, int, ...)>(#name);                                       \
        mode_t mode = 0;                                                                                      \
        if (flags & (O_CREAT | O_TMPFILE)) {                                                                  \
            va_list args;                                                                                     \
            va_start(args, flags);                                                                            \
            mode = mode_t(va_arg(args, int));                                                                 \
            va_end(args);                                                                                     \
        }                                                                                                     \
        if (Writes(flags) && ReadOnly(Absolute(AT_FDCWD, path))) {                                            \
            errno = EROFS;                                                                                    \
            return -1;                                                                                        \
        }                                                                                                     \
        return real(path, flags, mode);                                                                       \
    }
SUMBREL_OPEN(open)
SUMBREL_OPEN(open64)

#define SUMBREL_OPENAT(name)                                                                                  \
    int name(int dirfd, const char* path, int flags, ...)                                                     \
    {                                                                                                         \
        static auto real = Real<int (*)(int, const char*, int, ...)>(#name);                                  \
        mode_t mode = 0;                                                                                      \
        if (flags & (O_CREAT | O_TMPFILE)) {                                                                  \
            va_list args;                                                                                     \
            va_start(args, flags);                                                                            \
            mode = mode_t(va_arg(args, int));                                                                 \
            va_end(args);                                                                                     \
        }                                                                                                     \
        if (Writes(flags) && ReadOnly(Absolute(dirfd, path))) {                                               \
            errno = EROFS;                                                                                    \
            return -1;                                                                                        \
        }                                                                                                     \
        return real(dirfd, path, flags, mode);                                                                \
    }
SUMBREL_OPENAT(openat)
SUMBREL_OPENAT(openat64)

int rename(const char* from, const char* to)
{
    static auto real = Real<int (*)(const char*, const char*)>("rename");
    if (ReadOnly(Absolute(AT_FDCWD, to)) || ReadOnly(Absolute(AT_FDCWD, from))) {
        errno = EROFS;
        return -1;
    }
    return real(from, to);
}

int renameat(int fromfd, const char* from, int tofd, const char* to)
{
    static auto real = Real<int (*)(int, const char*, int, const char*)>("renameat");
    if (ReadOnly(Absolute(tofd, to)) || ReadOnly(Absolute(fromfd, from))) {
        errno = EROFS;
        return -1;
    }
    return real(fromfd, from, tofd, to);
}

int renameat2(int fromfd, const char* from, int tofd, const char* to, unsigned flags)
{
    static auto real = Real<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
    if (ReadOnly(Absolute(tofd, to)) || ReadOnly(Absolute(fromfd, from))) {
        errno = EROFS;
        return -1;
    }
    return real(fromfd, from, tofd, to, flags);
}

int linkat(int fromfd, const char* from, int tofd, const char* to, int flags)
{
    static auto real = Real<int (*)(int, const char*, int, const char*, int)>("linkat");
    if (ReadOnly(Absolute(tofd, to))) {
        errno = EROFS;
        return -1;
    }
    return real(fromfd, from, tofd, to, flags);
}

int unlink(const char* path)
{
    static auto real = Real<int (*)(const char*)>("unlink");
    if (ReadOnly(Absolute(AT_FDCWD, path))) {
        errno = EROFS;
        return -1;
    }
    return real(path);
}

int mkdir(const char* path, mode_t mode)
{
    static auto real = Real<int (*)(const char*, mode_t)>("mkdir");
    if (ReadOnly(Absolute(AT_FDCWD, path))) {
        errno = EROFS;
        return -1;
    }
    return real(path, mode);
}

}  // extern "C"
