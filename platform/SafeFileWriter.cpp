// Replacing a file through a temporary file and rename(): the target holds its previous bytes or
// all of the new ones, never a mix, whatever fails or wherever the process stops.
#include "kelvara/platform/SafeFileWriter.h"

#include <climits>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "kelvara/platform/Exceptions.h"
#include "kelvara/platform/Guid.h"

namespace {

// Linux's limit on symbolic links followed while resolving one name.
constexpr int kMaxLinkHops = 40;
constexpr std::size_t kMaxWriteChunk = std::size_t{1} << 30;
constexpr int kMaxNameAttempts = 100;
constexpr char kTemporaryMarker[] = ".tmp-";
constexpr std::size_t kRandomLength = 6;

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string errorText(int error) { return error ? std::strerror(error) : "unknown error"; }

// The contents of the symbolic link at path, or false when it cannot be read.
bool readLink(const std::string& path, std::string& out) {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0) return false;
        if (static_cast<std::size_t>(n) < buffer.size()) {
            out.assign(buffer.data(), static_cast<std::size_t>(n));
            return true;
        }
        if (buffer.size() >= 65536) {  // no link text is that long: the link keeps changing
            errno = ENAMETOOLONG;
            return false;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Six characters from the per-thread generator: the name only needs to be hard to collide with,
// O_EXCL makes the creation itself safe.
std::string randomSuffix() {
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    _GUID guid;
    CoCreateGuid(&guid);
    std::uint8_t bytes[16];
    std::memcpy(bytes, &guid.Data1, 4);
    std::memcpy(bytes + 4, &guid.Data2, 2);
    std::memcpy(bytes + 6, &guid.Data3, 2);
    std::memcpy(bytes + 8, guid.Data4, 8);
    std::string out;
    for (std::size_t i = 0; i < kRandomLength; ++i) out += alphabet[bytes[i] % (sizeof alphabet - 1)];
    return out;
}

}  // namespace

void CSafeFileWriter::replaceFile(const std::string& path, const void* data, std::size_t size) {
    CSafeFileWriter writer(path);
    writer.write(data, size);
    writer.commit();
}

CSafeFileWriter::CSafeFileWriter(std::string path, FaultInjector faults)
    : m_path(std::move(path)), m_faults(std::move(faults)) {
    if (m_path.empty()) fail("no file name given", EINVAL);

    // A link is replaced by what it names, never by a plain file: the link stays a link. The chain
    // is followed by hand because realpath() refuses a link whose destination does not exist yet.
    m_target = m_path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(m_target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        if (hops == kMaxLinkHops) fail("too many levels of symbolic links", ELOOP);
        std::string link;
        if (!readLink(m_target, link)) {
            const int error = errno;
            fail("cannot read the symbolic link " + m_target, error);
        }
        if (link.empty()) fail("the symbolic link " + m_target + " is empty", ENOENT);
        if (link.front() == '/') {
            m_target = link;
        } else {
            const std::string folder = folderOf(m_target);
            m_target = (folder == "/" ? folder : folder + "/") + link;
        }
    }

    const std::string name = nameOf(m_target);
    if (name.empty() || name == "." || name == "..") fail("the name " + m_target + " is a folder, not a file", EISDIR);
    m_folder = folderOf(m_target);

    struct stat folder {};
    if (::stat(m_folder.c_str(), &folder) != 0) {
        const int error = errno;
        if (error == ENOENT) fail("the folder " + m_folder + " does not exist", error);
        if (error == ENOTDIR) fail("the folder " + m_folder + " is not a folder", error);
        fail("cannot reach the folder " + m_folder, error);
    }
    if (!S_ISDIR(folder.st_mode)) fail("the folder " + m_folder + " is a file, not a folder", ENOTDIR);

    struct stat existing {};
    if (::stat(m_target.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) fail(m_target + " is a folder, not a file", EISDIR);
        if (!S_ISREG(existing.st_mode)) fail(m_target + " is not a regular file", EINVAL);
        // Writing in place used to fail on a file the user may not write; replacing it through
        // the folder must not quietly get round that.
        if (::faccessat(AT_FDCWD, m_target.c_str(), W_OK, AT_EACCESS) != 0) {
            const int error = errno;
            fail(m_target + " is read-only", error);
        }
        m_mode = existing.st_mode & 07777;
        m_keepMode = true;
    } else if (const int error = errno; error != ENOENT) {
        fail("cannot examine " + m_target, error);
    }

    // The temporary file stays private while it is written when it will take an existing file's
    // bits. A new file is created with 0666 and the kernel applies the umask (and any default ACL
    // of the folder): the umask is never read or changed, so other threads are never affected.
    const mode_t createMode = m_keepMode ? 0600 : 0666;
    const std::size_t room = NAME_MAX - (sizeof kTemporaryMarker - 1) - kRandomLength;
    const std::string stem = (m_folder == "/" ? m_folder : m_folder + "/") + name.substr(0, room) + kTemporaryMarker;
    for (int attempt = 0;; ++attempt) {
        const std::string candidate = stem + randomSuffix();
        const int injected = fault(Step::createTemporary);
        const int fd = injected ? (errno = injected, -1)
                                : ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, createMode);
        if (fd >= 0) {
            m_fd = fd;
            m_temporary = candidate;
            return;
        }
        const int error = errno;
        if ((error == EEXIST || error == EINTR) && attempt + 1 < kMaxNameAttempts) continue;
        fail("cannot create a temporary file in the folder " + m_folder, error);
    }
}

CSafeFileWriter::~CSafeFileWriter() { discard(); }

void CSafeFileWriter::write(const void* data, std::size_t size) {
    if (m_done || m_fd < 0) throw CFileException("cannot save " + m_path + ": the writer is already closed");
    if (!data && size) fail("no bytes to write", EINVAL);
    const auto* p = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const std::size_t chunk = size < kMaxWriteChunk ? size : kMaxWriteChunk;
        const int injected = fault(Step::write);
        const ssize_t n = injected ? (errno = injected, -1) : ::write(m_fd, p, chunk);
        if (n < 0) {
            const int error = errno;
            if (error == EINTR) continue;
            fail("cannot write the temporary file " + m_temporary, error);
        }
        // A regular file that takes nothing is full; asking again would never end.
        if (n == 0) fail("cannot write the temporary file " + m_temporary, ENOSPC);
        p += n;
        size -= static_cast<std::size_t>(n);
    }
}

void CSafeFileWriter::commit() {
    if (m_done || m_fd < 0) throw CFileException("cannot save " + m_path + ": the writer is already closed");

    // The bits are set before the sync so that they reach the disk with the bytes.
    if (m_keepMode) {
        int error = fault(Step::setPermissions);
        if (!error && ::fchmod(m_fd, static_cast<mode_t>(m_mode)) != 0) error = errno;
        if (error) fail("cannot set the permissions of the temporary file " + m_temporary, error);
    }
    for (;;) {
        const int injected = fault(Step::syncFile);
        if (!injected && ::fsync(m_fd) == 0) break;
        const int error = injected ? injected : errno;
        if (error == EINTR) continue;
        fail("cannot flush the temporary file " + m_temporary + " to disk", error);
    }
    {
        const int injected = fault(Step::closeFile);
        const int fd = m_fd;
        m_fd = -1;
        // After a close that reports EINTR the descriptor is gone all the same, and the bytes
        // were already synced: only other errors (a network file system's late failure) count.
        const int result = ::close(fd);
        const int error = injected ? injected : (result != 0 ? errno : 0);
        if (error && error != EINTR) fail("cannot close the temporary file " + m_temporary, error);
    }
    {
        int error = fault(Step::rename);
        if (!error && ::rename(m_temporary.c_str(), m_target.c_str()) != 0) error = errno;
        if (error) fail("cannot rename the temporary file " + m_temporary + " over " + m_target, error);
    }
    m_temporary.clear();
    m_done = true;
    m_replaced = true;

    // The rename is durable only once the folder is on disk. File systems that cannot sync a
    // folder say EINVAL (or ENOTSUP); there is nothing more to do on those.
    int error = fault(Step::syncFolder);
    if (!error) {
        const int dir = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0) {
            error = errno;
        } else {
            while (::fsync(dir) != 0) {
                if (errno == EINTR) continue;
                error = errno;
                break;
            }
            ::close(dir);
        }
    }
    if (error && error != EINVAL && error != ENOTSUP)
        throw CFileException("saved " + m_path + ", but cannot flush the folder " + m_folder + " to disk: " +
                                 errorText(error) + " (the new content is in place but may not survive a power loss)",
                             error);
}

void CSafeFileWriter::fail(const std::string& what, int error) {
    discard();
    std::string message = "cannot save " + m_path;
    if (!m_target.empty() && m_target != m_path) message += " (the file " + m_target + ")";
    throw CFileException(message + ": " + what + ": " + errorText(error), error);
}

void CSafeFileWriter::discard() noexcept {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.empty()) ::unlink(m_temporary.c_str());
    m_temporary.clear();
    m_done = true;
}
