#include "driver/outputFiles.h"

#include "objfile/fileIO.h"

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

// A new file beside `target` under a name no other run uses (the process, an address
// of the caller's record and an attempt number; created only if it does not exist yet);
// -1 when the directory refuses new files.
int createBeside(const std::string& target, const void* tag, std::string& name) {
    const size_t slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    char suffix[64];
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::snprintf(suffix, sizeof suffix, ".zorlan%ld-%lx-%d.tmp", static_cast<long>(getpid()),
                      static_cast<unsigned long>(reinterpret_cast<uintptr_t>(tag) & 0xFFFFFFFFu), attempt);
        name = directory + suffix;
        const int fd = createNewObjectFile(name.c_str());
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

int openOutputFile(const std::string& name, OutputFile& file) {
    file.target = followLink(name);
    struct stat previous;
    const bool exists = stat(file.target.c_str(), &previous) == 0;
    file.inPlace = exists && !S_ISREG(previous.st_mode);
    if (!file.inPlace) {
        file.fd = createBeside(file.target, &file, file.temporary);
        if (file.fd >= 0 && exists) fchmod(file.fd, previous.st_mode & 07777);
        // A directory we may not create files in can still hold a writable file.
        file.inPlace = file.fd < 0;
    }
    if (file.inPlace) {
        file.temporary = file.target;
        file.fd = createObjectFile(file.target.c_str());
    }
    return file.fd >= 0 ? 0 : -1;
}

int closeOutputFile(OutputFile& file, bool complete) {
    const bool closed = file.fd < 0 || closeObjectFile(file.fd) == 0;
    file.fd = -1;
    if (file.inPlace) return complete && closed ? 0 : -1;
    if (complete && closed && std::rename(file.temporary.c_str(), file.target.c_str()) == 0) return 0;
    std::remove(file.temporary.c_str());
    return -1;
}

int writeFileWhole(const std::string& name, std::string_view text) {
    OutputFile file;
    if (openOutputFile(name, file) != 0) return -1;
    const bool written = writeAll(file.fd, text);
    return closeOutputFile(file, written);
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
