// The files a run writes beside the object on request: the Make rule of the object's
// sources (--MD) and the listing. Both are written whole or not at all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Writes `text` as the file `name`: under a temporary name beside it, renamed into place
// once complete, so that a reader (make, ninja, an editor) never sees half a file and a
// failed write leaves the previous file as it was. A symbolic link is followed, so that
// it stays a link; an existing file that is not a regular one (/dev/null, a pipe) is
// written in place, never replaced. 0, or -1 with nothing left behind.
int writeFileWhole(const std::string& name, std::string_view text);

// True when the two names reach the same file: for files that exist, by identity (a
// link or another spelling of the path is the same file); otherwise by name.
bool sameFile(const std::string& a, const std::string& b);

// A file name as a Make rule must spell it: a blank, a tab or '#' behind a backslash
// (doubling the backslashes just before it), '$' as "$$".
std::string makeEscaped(std::string_view name);

// "target: prerequisite ...", one line, each prerequisite once, in the order given.
std::string dependencyRule(const std::string& target, const std::vector<std::string>& prerequisites);
