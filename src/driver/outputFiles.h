// The files a run writes: the object and, on request, the Make rule of its sources (--MD)
// and the listing. Each is written whole or not at all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A file being written in place of another. It is written under a temporary name beside
// its target and renamed into place once complete, so that a reader (make, ninja, an
// editor, a linker) never sees half a file and a failed write leaves the previous file
// as it was. A symbolic link is followed, so that it stays a link; an existing file that
// is not a regular one (/dev/null, a pipe) is written in place, never replaced, and so is
// a file in a directory that refuses new files. A replaced file keeps its permissions; a
// new one gets 0666 less the umask.
struct OutputFile {
    std::string target;    // where the file goes, links followed
    std::string temporary; // the name written under: the target itself when in place
    int fd = -1;
    bool inPlace = false;
};

// Opens the file that will take the place of `name`; 0, or -1 with nothing created.
int openOutputFile(const std::string& name, OutputFile& file);
// Closes the file; when `complete`, puts it in place, else removes what was written
// (a file written in place stays as far as it got). 0 when the file is complete in place.
int closeOutputFile(OutputFile& file, bool complete);

// Writes `text` as the file `name` through openOutputFile and closeOutputFile; 0 or -1.
int writeFileWhole(const std::string& name, std::string_view text);

// True when the two names reach the same file: for files that exist, by identity (a
// link or another spelling of the path is the same file); otherwise by name.
bool sameFile(const std::string& a, const std::string& b);

// A file name as a Make rule must spell it: a blank, a tab or '#' behind a backslash
// (doubling the backslashes just before it), '$' as "$$".
std::string makeEscaped(std::string_view name);

// "target: prerequisite ...", one line, each prerequisite once, in the order given.
std::string dependencyRule(const std::string& target, const std::vector<std::string>& prerequisites);
