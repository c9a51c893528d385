#include "driver/outputFiles.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace {

// Where a file named `name` really goes: through a symbolic link to its target.
std::string followLink(const std::string& name) {
    struct stat info;
    if (lstat(name.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = realpath(name.c_str(), nullptr)) {
            std::string target = resolved;
            std::free(resolved);
            return target;
        }
    }
    return name;
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// A new file beside `target` under a name no other run uses (the process, an address of
// this call and an attempt number; created only if it does not exist yet); -1 when the
// directory refuses new files.
int createBeside(const std::string& target, std::string& name) {
    const size_t slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    char tag[64];
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::snprintf(tag, sizeof tag, ".zorlan%ld-%lx-%d.tmp", static_cast<long>(getpid()),
                      static_cast<unsigned long>(reinterpret_cast<uintptr_t>(&name) & 0xFFFFFFFFu), attempt);
        name = directory + tag;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

int writeFileWhole(const std::string& name, std::string_view text) {
    const std::string target = followLink(name);
    struct stat previous;
    const bool exists = stat(target.c_str(), &previous) == 0;
    if (exists && !S_ISREG(previous.st_mode)) {
        const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) return -1;
        const bool written = writeAll(fd, text);
        return ::close(fd) == 0 && written ? 0 : -1;
    }
    std::string temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0) return -1;
    // A file that is replaced keeps the permissions it had.
    if (exists) fchmod(fd, previous.st_mode & 07777);
    const bool written = writeAll(fd, text);
    const bool closed = ::close(fd) == 0;
    if (written && closed && std::rename(temporary.c_str(), target.c_str()) == 0) return 0;
    std::remove(temporary.c_str());
    return -1;
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat first, second;
    if (stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return a == b;
}

std::string makeEscaped(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    size_t backslashes = 0; // written just before the current character
    for (char c : name) {
        if (c == ' ' || c == '\t' || c == '#') {
            // 2N+1 backslashes before a blank mean N backslashes and the blank.
            out.append(backslashes, '\\');
            out += '\\';
        } else if (c == '$') {
            out += '$';
        }
        out += c;
        backslashes = c == '\\' ? backslashes + 1 : 0;
    }
    return out;
}

std::string dependencyRule(const std::string& target, const std::vector<std::string>& prerequisites) {
    std::string rule = makeEscaped(target) + ":";
    std::unordered_set<std::string> seen;
    for (const std::string& file : prerequisites)
        if (seen.insert(file).second) rule += " " + makeEscaped(file);
    rule += "\n";
    return rule;
}
