/* Preloaded into a program under test, this library makes one of its write-side system calls
 * fail on purpose, so that a test can see what the program does when a disk fills up or fails.
 *
 * Counted are the calls on files inside one folder: open (and its variants) of a file to write
 * or create, write (and its variants), fsync, fdatasync, ftruncate, close of a file opened to
 * write, link and rename (and their variants); fsync also on the folder itself. Calls elsewhere,
 * such as messages on standard error or the files the program reads, pass through uncounted.
 *
 * Environment:
 *   TARVIKA_FAULT_DIR     absolute path of the folder whose calls are counted (required)
 *   TARVIKA_FAULT_AT      the counted call that fails, from 1; 0 or unset: none fails
 *   TARVIKA_FAULT_ERRNO   the error number it fails with (default EIO)
 *   TARVIKA_FAULT_STICKY  1: every counted call from TARVIKA_FAULT_AT on fails too
 *   TARVIKA_FAULT_REPORT  file that receives, at exit, one line per counted call: its number,
 *                         its name and "failed" when it was made to fail
 *   TARVIKA_FAULT_ONLY    counts only the calls of this name (such as fsync, which of a save's
 *                         calls only the sync of the folder makes)
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

#define MAX_FDS 4096
#define MAX_CALLS 4096

static char g_dir[PATH_MAX];
static size_t g_dirLength;
static long g_at;
static int g_errno = EIO;
static int g_sticky;
static char g_only[32];
static long g_count;
static const char* g_names[MAX_CALLS];
static char g_failed[MAX_CALLS];
/* 1: a file inside the folder (or the folder); 2: such a file opened to write. */
static unsigned char g_fds[MAX_FDS];

static void* real(const char* name)
{
    void* function = dlsym(RTLD_NEXT, name);
    if (!function)
        abort();
    return function;
}

#define REAL(name, type) ((type)real(name))

__attribute__((constructor)) static void start(void)
{
    const char* dir = getenv("TARVIKA_FAULT_DIR");
    if (dir && *dir && strlen(dir) < sizeof g_dir) {
        strcpy(g_dir, dir);
        g_dirLength = strlen(g_dir);
        while (g_dirLength > 1 && g_dir[g_dirLength - 1] == '/')
            g_dir[--g_dirLength] = '\0';
    }
    const char* at = getenv("TARVIKA_FAULT_AT");
    g_at = at ? atol(at) : 0;
    const char* error = getenv("TARVIKA_FAULT_ERRNO");
    if (error && atoi(error) > 0)
        g_errno = atoi(error);
    const char* sticky = getenv("TARVIKA_FAULT_STICKY");
    g_sticky = sticky && strcmp(sticky, "1") == 0;
    const char* only = getenv("TARVIKA_FAULT_ONLY");
    if (only && strlen(only) < sizeof g_only)
        strcpy(g_only, only);
}

__attribute__((destructor)) static void finish(void)
{
    const char* report = getenv("TARVIKA_FAULT_REPORT");
    if (!report)
        return;
    FILE* out = fopen(report, "w");
    if (!out)
        return;
    for (long i = 0; i < g_count && i < MAX_CALLS; ++i)
        fprintf(out, "%ld %s%s\n", i + 1, g_names[i], g_failed[i] ? " failed" : "");
    fclose(out);
}

/* Counts one call; true when it is to fail (errno is then set). */
static int strike(const char* name)
{
    if (g_only[0] != '\0' && strcmp(name, g_only) != 0)
        return 0;
    const long number = ++g_count;
    const int fails = g_at > 0 && (number == g_at || (g_sticky && number > g_at));
    if (number <= MAX_CALLS) {
        g_names[number - 1] = name;
        g_failed[number - 1] = (char)fails;
    }
    if (fails)
        errno = g_errno;
    return fails;
}

static int inside(const char* path, int dirfd)
{
    if (g_dirLength == 0 || !path)
        return 0;
    if (path[0] != '/') {
        if (dirfd != AT_FDCWD)
            return dirfd >= 0 && dirfd < MAX_FDS && g_fds[dirfd] != 0;
        char cwd[PATH_MAX];
        if (!getcwd(cwd, sizeof cwd))
            return 0;
        char full[PATH_MAX * 2];
        snprintf(full, sizeof full, "%s/%s", cwd, path);
        return strncmp(full, g_dir, g_dirLength) == 0 &&
               (full[g_dirLength] == '/' || full[g_dirLength] == '\0');
    }
    return strncmp(path, g_dir, g_dirLength) == 0 &&
           (path[g_dirLength] == '/' || path[g_dirLength] == '\0');
}

static int counted(int fd)
{
    return fd >= 0 && fd < MAX_FDS && g_fds[fd] != 0;
}

static int writes(int flags)
{
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0;
}

static int opened(int fd, const char* path, int dirfd, int flags)
{
    if (fd >= 0 && fd < MAX_FDS)
        g_fds[fd] = inside(path, dirfd) ? (writes(flags) ? 2 : 1) : 0;
    return fd;
}

static int openCommon(const char* name, int dirfd, const char* path, int flags, mode_t mode)
{
    if (inside(path, dirfd) && writes(flags) && strike(name))
        return -1;
    int fd;
    if (strcmp(name, "open") == 0)
        fd = REAL("open", int (*)(const char*, int, ...))(path, flags, mode);
    else if (strcmp(name, "open64") == 0)
        fd = REAL("open64", int (*)(const char*, int, ...))(path, flags, mode);
    else if (strcmp(name, "openat") == 0)
        fd = REAL("openat", int (*)(int, const char*, int, ...))(dirfd, path, flags, mode);
    else
        fd = REAL("openat64", int (*)(int, const char*, int, ...))(dirfd, path, flags, mode);
    return opened(fd, path, dirfd, flags);
}

static mode_t modeOf(int flags, va_list args)
{
    return (flags & (O_CREAT | O_TMPFILE)) ? (mode_t)va_arg(args, int) : 0;
}

int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    return openCommon("open", AT_FDCWD, path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    return openCommon("open64", AT_FDCWD, path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    return openCommon("openat", dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    return openCommon("openat64", dirfd, path, flags, mode);
}

int creat(const char* path, mode_t mode)
{
    return open(path, O_CREAT | O_WRONLY | O_TRUNC, mode);
}

int creat64(const char* path, mode_t mode)
{
    return open64(path, O_CREAT | O_WRONLY | O_TRUNC, mode);
}

ssize_t write(int fd, const void* data, size_t size)
{
    if (counted(fd) && strike("write"))
        return -1;
    return REAL("write", ssize_t(*)(int, const void*, size_t))(fd, data, size);
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t offset)
{
    if (counted(fd) && strike("pwrite"))
        return -1;
    return REAL("pwrite", ssize_t(*)(int, const void*, size_t, off_t))(fd, data, size, offset);
}

ssize_t pwrite64(int fd, const void* data, size_t size, off64_t offset)
{
    if (counted(fd) && strike("pwrite64"))
        return -1;
    return REAL("pwrite64", ssize_t(*)(int, const void*, size_t, off64_t))(fd, data, size, offset);
}

ssize_t writev(int fd, const struct iovec* parts, int count)
{
    if (counted(fd) && strike("writev"))
        return -1;
    return REAL("writev", ssize_t(*)(int, const struct iovec*, int))(fd, parts, count);
}

int fsync(int fd)
{
    if (counted(fd) && strike("fsync"))
        return -1;
    return REAL("fsync", int (*)(int))(fd);
}

int fdatasync(int fd)
{
    if (counted(fd) && strike("fdatasync"))
        return -1;
    return REAL("fdatasync", int (*)(int))(fd);
}

int ftruncate(int fd, off_t length)
{
    if (counted(fd) && strike("ftruncate"))
        return -1;
    return REAL("ftruncate", int (*)(int, off_t))(fd, length);
}

int ftruncate64(int fd, off64_t length)
{
    if (counted(fd) && strike("ftruncate64"))
        return -1;
    return REAL("ftruncate64", int (*)(int, off64_t))(fd, length);
}

int close(int fd)
{
    const int wrote = fd >= 0 && fd < MAX_FDS && g_fds[fd] == 2;
    if (fd >= 0 && fd < MAX_FDS)
        g_fds[fd] = 0;
    /* A close that reports an error has still released the descriptor. */
    const int result = REAL("close", int (*)(int))(fd);
    if (wrote && strike("close"))
        return -1;
    return result;
}

int link(const char* from, const char* to)
{
    if (inside(to, AT_FDCWD) && strike("link"))
        return -1;
    return REAL("link", int (*)(const char*, const char*))(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    if (inside(to, toDir) && strike("linkat"))
        return -1;
    return REAL("linkat", int (*)(int, const char*, int, const char*, int))(fromDir, from, toDir,
                                                                            to, flags);
}

int rename(const char* from, const char* to)
{
    if (inside(to, AT_FDCWD) && strike("rename"))
        return -1;
    return REAL("rename", int (*)(const char*, const char*))(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    if (inside(to, toDir) && strike("renameat"))
        return -1;
    return REAL("renameat", int (*)(int, const char*, int, const char*))(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags)
{
    if (inside(to, toDir) && strike("renameat2"))
        return -1;
    return REAL("renameat2", int (*)(int, const char*, int, const char*, unsigned int))(
        fromDir, from, toDir, to, flags);
}
