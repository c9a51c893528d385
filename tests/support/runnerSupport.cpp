#include "support/runnerSupport.h"

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <system_error>

namespace {

constexpr unsigned kTimeoutSeconds = 60; // a hanging program is killed by SIGALRM

// Decimal or 0x hexadecimal, with an optional minus sign.
bool parseNumber(const std::string& text, int64_t& value) {
    size_t at = text.size() > 1 && text[0] == '-' ? 1 : 0;
    int base = text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0 ? 16 : 10;
    if (base == 16) at += 2;
    if (at >= text.size()) return false;
    errno = 0;
    char* end = nullptr;
    unsigned long long magnitude = std::strtoull(text.c_str() + at, &end, base);
    if (*end != '\0' || errno != 0 || !std::isxdigit(static_cast<unsigned char>(text[at])) ||
        magnitude > INT64_MAX)
        return false;
    value = text[0] == '-' ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

// A 4-digit token is a code word (low byte first), a 2-digit token one byte, and *N
// stands for N bytes that another test checks (-1 each).
bool parseHexBytes(const Words& tokens, size_t first, std::vector<int>& out) {
    for (size_t i = first; i < tokens.size(); ++i) {
        const std::string& t = tokens[i];
        int64_t skipped = 0;
        if (t.size() > 1 && t[0] == '*') {
            if (!parseNumber(t.substr(1), skipped) || skipped < 1 || skipped > 1 << 20) return false;
            out.insert(out.end(), static_cast<size_t>(skipped), -1);
            continue;
        }
        bool hex = std::all_of(t.begin(), t.end(),
                               [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
        if (!hex || (t.size() != 2 && t.size() != 4)) return false;
        unsigned long v = std::strtoul(t.c_str(), nullptr, 16);
        out.push_back(static_cast<int>(v & 0xFF));
        if (t.size() == 4) out.push_back(static_cast<int>(v >> 8));
    }
    return true;
}

using MarkerHandler = std::function<bool(Expectations&, const std::string& rest, const Words& words)>;

bool addBytes(Expectations& e, const std::string& section, const Words& words, size_t first) {
    if (!e.bytes.count(section)) e.byteSectionOrder.push_back(section);
    return parseHexBytes(words, first, e.bytes[section]);
}

// FIELD=VALUE words of a file header or section header marker.
bool addFields(Expectations& e, const std::string& section, const Words& words, size_t first) {
    for (size_t i = first; i < words.size(); ++i) {
        size_t eq = words[i].find('=');
        int64_t v;
        if (eq == std::string::npos || !parseNumber(words[i].substr(eq + 1), v)) return false;
        e.header.push_back({section, words[i].substr(0, eq), v});
    }
    return words.size() > first;
}

const std::map<std::string, MarkerHandler>& markerTable() {
    static const std::map<std::string, MarkerHandler> table = {
        {"args",
         [](Expectations& e, const std::string&, const Words& w) {
             e.args.insert(e.args.end(), w.begin(), w.end());
             return !w.empty();
         }},
        {"env",
         [](Expectations& e, const std::string& rest, const Words&) {
             size_t eq = rest.find('=');
             if (eq == std::string::npos || eq == 0) return false;
             e.env.emplace_back(rest.substr(0, eq), rest.substr(eq + 1));
             return true;
         }},
        {"exit",
         [](Expectations& e, const std::string&, const Words& w) {
             int64_t v;
             if (w.size() != 1 || !parseNumber(w[0], v) || v < 0 || v > 255) return false;
             e.exitStatus = static_cast<int>(v);
             return true;
         }},
        {"out",
         [](Expectations& e, const std::string& rest, const Words&) {
             if (!e.out) e.out.emplace();
             e.out->push_back(rest);
             return true;
         }},
        {"text",
         [](Expectations& e, const std::string&, const Words& w) { return addBytes(e, ".text", w, 0); }},
        {"data",
         [](Expectations& e, const std::string&, const Words& w) { return addBytes(e, ".data", w, 0); }},
        {"bss",
         [](Expectations& e, const std::string&, const Words& w) { return addBytes(e, ".bss", w, 0); }},
        {"section", [](Expectations& e, const std::string&,
                       const Words& w) { return !w.empty() && addBytes(e, w[0], w, 1); }},
        {"sections",
         [](Expectations& e, const std::string&, const Words& w) {
             if (e.sections) return false;
             e.sections = w;
             return true;
         }},
        {"sym",
         [](Expectations& e, const std::string&, const Words& w) {
             SymRow r{w.empty() ? "" : w[0], 0, 0, 0, 0};
             if (w.size() != 5 || !parseNumber(w[1], r.value) || !parseNumber(w[2], r.size) ||
                 !parseNumber(w[3], r.info) || !parseNumber(w[4], r.shndx))
                 return false;
             if (!e.symbols) e.symbols.emplace();
             e.symbols->push_back(r);
             return true;
         }},
        {"rel",
         [](Expectations& e, const std::string&, const Words& w) {
             RelRow r{0, 0, w.size() > 3 ? w[3] : "", 0};
             if (w.size() != 5 || !parseNumber(w[1], r.offset) || !parseNumber(w[2], r.type) ||
                 !parseNumber(w[4], r.addend))
                 return false;
             e.relocations[w[0]].push_back(r);
             return true;
         }},
        {"header",
         [](Expectations& e, const std::string&, const Words& w) { return addFields(e, "", w, 0); }},
        {"shdr", [](Expectations& e, const std::string&,
                    const Words& w) { return w.size() > 1 && addFields(e, w[0], w, 1); }},
        {"file",
         [](Expectations& e, const std::string& rest, const Words& w) {
             if (w.empty()) return false;
             FileExpectation& f = e.files[w[0]];
             if (!f.lines) f.lines.emplace();
             const size_t blank = rest.find(' ');
             f.lines->push_back(blank == std::string::npos ? "" : rest.substr(blank + 1));
             return !f.sameAs && !f.absent;
         }},
        {"file-equals",
         [](Expectations& e, const std::string&, const Words& w) {
             if (w.size() != 2) return false;
             FileExpectation& f = e.files[w[0]];
             f.sameAs = w[1];
             return !f.lines && !f.absent;
         }},
        {"nofile",
         [](Expectations& e, const std::string&, const Words& w) {
             if (w.size() != 1) return false;
             FileExpectation& f = e.files[w[0]];
             f.absent = true;
             return !f.lines && !f.sameAs;
         }},
        {"noobj",
         [](Expectations& e, const std::string&, const Words& w) {
             e.noObject = true;
             return w.empty();
         }},
    };
    return table;
}

} // namespace

Words split(const std::string& text) {
    Words words;
    std::istringstream in(text);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool readMarkers(const std::string& path, Expectations& e, std::string& problems) {
    std::ifstream in(path);
    if (!in) {
        problems += "cannot read " + path + "\n";
        return false;
    }
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t at = line.find("#@");
        if (at == std::string::npos) continue;
        std::string marker = line.substr(at + 2);
        size_t blank = marker.find(' ');
        std::string name = marker.substr(0, blank);
        std::string rest = blank == std::string::npos ? "" : marker.substr(blank + 1);
        auto handler = markerTable().find(name);
        if (handler == markerTable().end()) {
            problems += "line " + std::to_string(lineNumber) + ": unknown marker #@" + name + "\n";
        } else if (!handler->second(e, rest, split(rest))) {
            problems +=
                "line " + std::to_string(lineNumber) + ": malformed marker: " + line.substr(at) + "\n";
        }
    }
    return problems.empty();
}

std::string readTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Words assembleCommand(const std::string& zorlan, const Expectations& e, const std::string& tmp,
                      const std::string& source, Environment& env) {
    auto substitute = [&tmp](std::string text) {
        for (size_t at; (at = text.find("$TMP")) != std::string::npos;) text.replace(at, 4, tmp);
        return text;
    };
    Words args{zorlan};
    bool hasOutput = false;
    for (const std::string& a : e.args) {
        args.push_back(substitute(a));
        hasOutput |= a == "-o" || a.rfind("-o=", 0) == 0 || a.rfind("--output", 0) == 0;
    }
    if (!hasOutput) args.insert(args.end(), {"-o", tmp + "/out.obj"});
    args.push_back(source);
    env = e.env;
    for (auto& entry : env) entry.second = substitute(entry.second);
    return args;
}

std::string makeScratchDirectory(const std::string& prefix) {
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    return mkdtemp(pattern.data()) ? pattern : "";
}

bool runProcess(const Words& argv, const std::string& cwd, const Environment& env, bool mergeErrors,
                ProcessResult& result) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        if (mergeErrors) dup2(fds[1], STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
        unsetenv("ZORLAN_INCLUDE"); // the test states its own, or none
        for (const auto& [name, value] : env) setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        alarm(kTimeoutSeconds);
        execv(args[0], args.data());
        _exit(127);
    }
    close(fds[1]);
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        result.output.append(buf, static_cast<size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return false;
    if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    return true;
}

Words listDirectory(const std::string& dir) {
    Words names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* entry = readdir(d))
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                names.push_back(entry->d_name);
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void removeDirectory(const std::string& dir) {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

std::string findOnPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return "";
}

Words lines(const std::string& text) {
    Words out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

std::string absolutePath(const char* path) {
    char resolved[PATH_MAX];
    return realpath(path, resolved) ? resolved : "";
}
