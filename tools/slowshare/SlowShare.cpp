// pallox_slowshare: mounts a folder as a FUSE file system that answers like a network share,
// every operation that would cross the network waiting a fixed delay first, many of them at once
// as a real share serves many requests. Pallox's benchmarks put a generated library behind it to
// measure what a scan costs when every listing, open and read waits for a round trip.
//
//   pallox_slowshare [--delay-ms=N] [--stats=FILE] SOURCE MOUNTPOINT [FUSE options]
//
// It goes into the background once the mount is in place (unless -f is given); unmount with
// `fusermount3 -u MOUNTPOINT`. With --stats, the number of delayed operations of each kind is
// written to FILE when it is unmounted.

#define FUSE_USE_VERSION 312
#include <fuse3/fuse.h>
#include <fuse3/fuse_lowlevel.h>

#include <linux/fuse.h>

#include <dirent.h>
#include <sys/uio.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

enum Operation { Lookup, OpenDir, ReadDir, Open, Read, Write, Change, Sync, OperationCount };
const char *const kOperationNames[OperationCount] = {"lookup/getattr", "opendir", "readdir", "open",
                                                     "read",           "write",   "change",  "fsync"};

struct Share
{
    int source = -1;
    std::chrono::microseconds delay{2000};
    std::string statsFile;
    std::atomic<unsigned long> counts[OperationCount] = {};
    std::atomic<int> underWay{0};
    std::atomic<int> mostUnderWay{0};
};

Share g_share;

// The round trip. Each request waits on its own thread, so requests under way at once wait at
// once, as they do on a share.
void roundTrip(Operation operation)
{
    g_share.counts[operation].fetch_add(1, std::memory_order_relaxed);
    const int now = g_share.underWay.fetch_add(1) + 1;
    int most = g_share.mostUnderWay.load();
    while (now > most && !g_share.mostUnderWay.compare_exchange_weak(most, now)) {
    }
    std::this_thread::sleep_for(g_share.delay);
    g_share.underWay.fetch_sub(1);
}

// FUSE paths start with "/"; the source folder's own entries are relative to it.
const char *relative(const char *path)
{
    while (*path == '/')
        ++path;
    return *path ? path : ".";
}

int result(int value)
{
    return value < 0 ? -errno : value;
}

void *init(fuse_conn_info *connection, fuse_config *config)
{
    // A share's client keeps what it learnt of names and attributes for about a second.
    config->entry_timeout = 1.0;
    config->attr_timeout = 1.0;
    config->negative_timeout = 1.0;
    config->use_ino = 1;
    // The kernel sends reads through the page cache as background requests; by default it keeps
    // only twelve of them under way, far fewer than a client of a share does.
    connection->max_background = 256;
    connection->congestion_threshold = 192;
    return nullptr;
}

void destroy(void *)
{
    if (g_share.statsFile.empty())
        return;
    if (FILE *out = std::fopen(g_share.statsFile.c_str(), "w")) {
        for (int i = 0; i < OperationCount; ++i)
            std::fprintf(out, "%s %lu\n", kOperationNames[i], g_share.counts[i].load());
        std::fprintf(out, "most under way at once %d\n", g_share.mostUnderWay.load());
        std::fclose(out);
    }
}

int getattr(const char *path, struct stat *info, fuse_file_info *file)
{
    roundTrip(Lookup);
    if (file)
        return result(fstat(static_cast<int>(file->fh), info));
    return result(fstatat(g_share.source, relative(path), info, AT_SYMLINK_NOFOLLOW));
}

int readlink(const char *path, char *buffer, size_t size)
{
    roundTrip(Lookup);
    const ssize_t length = readlinkat(g_share.source, relative(path), buffer, size - 1);
    if (length < 0)
        return -errno;
    buffer[length] = '\0';
    return 0;
}

int opendir(const char *path, fuse_file_info *file)
{
    roundTrip(OpenDir);
    const int fd = openat(g_share.source, relative(path), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -errno;
    DIR *dir = fdopendir(fd);
    if (!dir) {
        const int error = errno;
        close(fd);
        return -error;
    }
    file->fh = reinterpret_cast<uint64_t>(dir);
    return 0;
}

// The whole listing in one answer, as a share's client asks for a folder's entries in large
// batches; the library hands it to the kernel page by page.
int readdir(const char *, void *buffer, fuse_fill_dir_t fill, off_t, fuse_file_info *file, fuse_readdir_flags)
{
    roundTrip(ReadDir);
    DIR *dir = reinterpret_cast<DIR *>(file->fh);
    rewinddir(dir);
    errno = 0;
    while (const dirent *entry = ::readdir(dir)) {
        struct stat info = {};
        info.st_ino = entry->d_ino;
        info.st_mode = static_cast<mode_t>(DTTOIF(entry->d_type));
        if (fill(buffer, entry->d_name, &info, 0, static_cast<fuse_fill_dir_flags>(0)) != 0)
            break;
    }
    return -errno;
}

int releasedir(const char *, fuse_file_info *file)
{
    closedir(reinterpret_cast<DIR *>(file->fh));
    return 0;
}

int open(const char *path, fuse_file_info *file)
{
    roundTrip(Open);
    const int fd = openat(g_share.source, relative(path), (file->flags & ~O_NOFOLLOW) | O_CLOEXEC);
    if (fd < 0)
        return -errno;
    file->fh = static_cast<uint64_t>(fd);
    return 0;
}

int create(const char *path, mode_t mode, fuse_file_info *file)
{
    roundTrip(Open);
    const int fd = openat(g_share.source, relative(path), file->flags | O_CREAT | O_CLOEXEC, mode);
    if (fd < 0)
        return -errno;
    file->fh = static_cast<uint64_t>(fd);
    return 0;
}

int read(const char *, char *buffer, size_t size, off_t offset, fuse_file_info *file)
{
    roundTrip(Read);
    return result(static_cast<int>(pread(static_cast<int>(file->fh), buffer, size, offset)));
}

int write(const char *, const char *buffer, size_t size, off_t offset, fuse_file_info *file)
{
    roundTrip(Write);
    return result(static_cast<int>(pwrite(static_cast<int>(file->fh), buffer, size, offset)));
}

int release(const char *, fuse_file_info *file)
{
    close(static_cast<int>(file->fh));
    return 0;
}

int fsync(const char *, int dataOnly, fuse_file_info *file)
{
    roundTrip(Sync);
    const int fd = static_cast<int>(file->fh);
    return result(dataOnly ? fdatasync(fd) : ::fsync(fd));
}

int mkdir(const char *path, mode_t mode)
{
    roundTrip(Change);
    return result(mkdirat(g_share.source, relative(path), mode));
}

int rmdir(const char *path)
{
    roundTrip(Change);
    return result(unlinkat(g_share.source, relative(path), AT_REMOVEDIR));
}

int unlink(const char *path)
{
    roundTrip(Change);
    return result(unlinkat(g_share.source, relative(path), 0));
}

int symlink(const char *target, const char *path)
{
    roundTrip(Change);
    return result(symlinkat(target, g_share.source, relative(path)));
}

int rename(const char *from, const char *to, unsigned int flags)
{
    roundTrip(Change);
    return result(renameat2(g_share.source, relative(from), g_share.source, relative(to), flags));
}

int chmod(const char *path, mode_t mode, fuse_file_info *file)
{
    roundTrip(Change);
    if (file)
        return result(fchmod(static_cast<int>(file->fh), mode));
    return result(fchmodat(g_share.source, relative(path), mode, 0));
}

int chown(const char *path, uid_t user, gid_t group, fuse_file_info *file)
{
    roundTrip(Change);
    if (file)
        return result(fchown(static_cast<int>(file->fh), user, group));
    return result(fchownat(g_share.source, relative(path), user, group, AT_SYMLINK_NOFOLLOW));
}

int truncate(const char *path, off_t size, fuse_file_info *file)
{
    roundTrip(Change);
    if (file)
        return result(ftruncate(static_cast<int>(file->fh), size));
    const int fd = openat(g_share.source, relative(path), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return -errno;
    const int done = result(ftruncate(fd, size));
    close(fd);
    return done;
}

int utimens(const char *path, const struct timespec times[2], fuse_file_info *file)
{
    roundTrip(Change);
    if (file)
        return result(futimens(static_cast<int>(file->fh), times));
    return result(utimensat(g_share.source, relative(path), times, AT_SYMLINK_NOFOLLOW));
}

int statfs(const char *, struct statvfs *info)
{
    return result(fstatvfs(g_share.source, info));
}

fuse_operations operations()
{
    fuse_operations ops = {};
    ops.init = init;
    ops.destroy = destroy;
    ops.getattr = getattr;
    ops.readlink = readlink;
    ops.opendir = opendir;
    ops.readdir = readdir;
    ops.releasedir = releasedir;
    ops.open = open;
    ops.create = create;
    ops.read = read;
    ops.write = write;
    ops.release = release;
    ops.fsync = fsync;
    ops.mkdir = mkdir;
    ops.rmdir = rmdir;
    ops.unlink = unlink;
    ops.symlink = symlink;
    ops.rename = rename;
    ops.chmod = chmod;
    ops.chown = chown;
    ops.truncate = truncate;
    ops.utimens = utimens;
    ops.statfs = statfs;
    return ops;
}

// Look-ups and listings in one folder go to a share's server side by side. The kernel sends
// them so only when the file system says it can take them, and libfuse 3.14 never passes that
// on; so the answer to the kernel's first request is amended on its way out.
std::atomic<uint64_t> g_initUnique{0};
std::atomic<uint32_t> g_initOffered{0};

ssize_t readRequest(int fd, void *buffer, size_t length, void *)
{
    const ssize_t got = ::read(fd, buffer, length);
    if (got >= static_cast<ssize_t>(sizeof(fuse_in_header) + sizeof(fuse_init_in))) {
        const auto *header = static_cast<const fuse_in_header *>(buffer);
        if (header->opcode == FUSE_INIT) {
            const auto *init = reinterpret_cast<const fuse_init_in *>(header + 1);
            g_initOffered = init->flags;
            g_initUnique = header->unique;
        }
    }
    return got;
}

ssize_t writeReply(int fd, struct iovec *parts, int count, void *)
{
    if (count >= 2 && parts[0].iov_len >= sizeof(fuse_out_header) && parts[1].iov_len >= 16) {
        const auto *header = static_cast<const fuse_out_header *>(parts[0].iov_base);
        if (header->error == 0 && header->unique == g_initUnique && g_initUnique != 0) {
            auto *init = static_cast<fuse_init_out *>(parts[1].iov_base);
            init->flags |= g_initOffered & FUSE_PARALLEL_DIROPS;
        }
    }
    return ::writev(fd, parts, count);
}

int usage(const char *program)
{
    std::fprintf(stderr, "usage: %s [--delay-ms=N] [--stats=FILE] SOURCE MOUNTPOINT [FUSE options]\n",
                 program);
    return 2;
}

bool startsWith(const char *text, const char *prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    int i = 1;
    for (; i < argc && startsWith(argv[i], "--"); ++i) {
        if (startsWith(argv[i], "--delay-ms=")) {
            char *end = nullptr;
            const double ms = std::strtod(argv[i] + 11, &end);
            if (*end != '\0' || ms < 0 || ms > 10000)
                return usage(argv[0]);
            g_share.delay = std::chrono::microseconds(static_cast<long long>(ms * 1000));
        } else if (startsWith(argv[i], "--stats=")) {
            const std::string file = argv[i] + 8;
            // The daemon changes to "/" once it is in the background.
            char *absolute = realpath(".", nullptr);
            g_share.statsFile = file.front() == '/' || !absolute ? file : std::string(absolute) + "/" + file;
            std::free(absolute);
        } else {
            return usage(argv[0]);
        }
    }
    if (argc - i < 2)
        return usage(argv[0]);
    g_share.source = ::open(argv[i], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (g_share.source < 0) {
        std::perror(argv[i]);
        return 1;
    }

    // Enough threads that every request the kernel sends at once waits at once; later options on
    // the command line override these.
    static char threads[] = "-omax_threads=512,max_idle_threads=512,fsname=slowshare,subtype=slowshare";
    std::vector<char *> arguments{argv[0], argv[i + 1], threads};
    for (int j = i + 2; j < argc; ++j)
        arguments.push_back(argv[j]);
    fuse_args args = FUSE_ARGS_INIT(static_cast<int>(arguments.size()), arguments.data());
    fuse_cmdline_opts options = {};
    if (fuse_parse_cmdline(&args, &options) != 0 || !options.mountpoint)
        return usage(argv[0]);

    // What fuse_main does, with the replies passing through writeReply.
    const fuse_operations ops = operations();
    fuse *share = fuse_new(&args, &ops, sizeof(ops), nullptr);
    int status = 1;
    if (share && fuse_mount(share, options.mountpoint) == 0) {
        fuse_session *session = fuse_get_session(share);
        fuse_custom_io io = {};
        io.read = readRequest;
        io.writev = writeReply;
        if (fuse_session_custom_io(session, &io, fuse_session_fd(session)) == 0 &&
            fuse_daemonize(options.foreground) == 0 && fuse_set_signal_handlers(session) == 0) {
            if (options.singlethread) {
                status = fuse_loop(share) == 0 ? 0 : 1;
            } else {
                fuse_loop_config *loop = fuse_loop_cfg_create();
                fuse_loop_cfg_set_idle_threads(loop, options.max_idle_threads);
                fuse_loop_cfg_set_max_threads(loop, options.max_threads);
                fuse_loop_cfg_set_clone_fd(loop, static_cast<unsigned>(options.clone_fd));
                status = fuse_loop_mt(share, loop) == 0 ? 0 : 1;
                fuse_loop_cfg_destroy(loop);
            }
            fuse_remove_signal_handlers(session);
        }
        fuse_unmount(share);
    }
    if (share)
        fuse_destroy(share);
    std::free(options.mountpoint);
    fuse_opt_free_args(&args);
    return status;
}
