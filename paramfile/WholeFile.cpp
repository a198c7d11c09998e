#include "WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

// The file a save replaces: where `path` is a symbolic link (or a chain of them), the file it points
// to, so the link stays a link; `path` itself otherwise.
std::string SaveTarget(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path target = path;
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, error)); ++hops) {
        const fs::path next = fs::read_symlink(target, error);
        if (error) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target.string();
}

// The process's file-creation mask, read without changing it: setting it to learn it would, for that
// moment, let any other thread create files open to everyone.
mode_t CreationMask() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    unsigned mask = 022;
    if (status != nullptr) {
        char line[256];
        while (std::fgets(line, sizeof line, status) != nullptr)
            if (std::sscanf(line, "Umask: %o", &mask) == 1) break;
        std::fclose(status);
    }
    return static_cast<mode_t>(mask & 0777);
}

} // namespace

SaveResult WriteWholeFile(const std::string& path, const std::string& text) {
    // The temporary file lies beside the file it replaces, so the rename stays on one file system.
    const std::string target = SaveTarget(path);
    // Still a link after every hop the system itself allows: the links go round in a circle and name no
    // file; replacing one of them with the file would break the user's links.
    const auto saveError = [&path](ErrorCode code, int osError) {
        return Error{.code = code, .path = path, .osError = osError};
    };
    std::error_code linkError;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, linkError)))
        return saveError(ErrorCode::SaveLinkLoop, ELOOP);
    // The rename would replace a file its owner protected from writing: refuse, as opening it would.
    if (::faccessat(AT_FDCWD, target.c_str(), F_OK, AT_EACCESS) == 0 &&
        ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return saveError(ErrorCode::SaveWriteProtected, errno);
    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return saveError(ErrorCode::SaveCannotCreate, errno);
    const auto fail = [&](ErrorCode code) {
        const int reason = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return saveError(code, reason);
    };
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(ErrorCode::SaveWriteFailed);
        }
        written += static_cast<std::size_t>(n);
    }
    // A file that already exists keeps the permissions its owner gave it; a new one gets those any file
    // the user creates gets.
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)
                            ? existing.st_mode & 07777
                            : 0666 & ~CreationMask();
    if (::fchmod(fd, mode) != 0) return fail(ErrorCode::SaveWriteFailed);
    if (::fsync(fd) != 0) return fail(ErrorCode::SaveDiskWriteFailed);
    if (::close(fd) != 0) {
        const int reason = errno;
        ::unlink(temporary.c_str());
        return saveError(ErrorCode::SaveReplaceFailed, reason);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int reason = errno;
        ::unlink(temporary.c_str());
        return saveError(ErrorCode::SaveReplaceFailed, reason);
    }
    return std::nullopt;
}

} // namespace orvane
