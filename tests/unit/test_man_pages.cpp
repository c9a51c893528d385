// The manual pages document every option the tools accept: every row of zorlan's option
// table, short and long, and every option zorlan-objdump's usage text lists. An option
// added without its page fails here.
// GCC 12 warns, wrongly, that std::regex's compiled states may be used uninitialised
// when it optimises with the sanitizers on.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include "driver/interface.h"
#include "objdump/objdumpMain.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

std::string manPage(const char* name) {
    return readFile(std::string(ZORLAN_TEST_DATA_DIR) + "/../man/" + name);
}

// In roff a hyphen of an option is written "\-": "--output" is "\-\-output".
std::string roff(const std::string& option) {
    std::string out;
    for (char c : option) out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

// Whether the page names the option as a word of its own (not as the start of a longer one).
bool documents(const std::string& page, const std::string& option) {
    const std::string written = roff(option);
    for (size_t at = page.find(written); at != std::string::npos; at = page.find(written, at + 1)) {
        const size_t end = at + written.size();
        if (end >= page.size() || !(std::isalnum(static_cast<unsigned char>(page[end])) || page[end] == '\\'))
            return true;
    }
    return false;
}

} // namespace

TEST(ManPages, ZorlanDocumentsEveryRowOfTheOptionTable) {
    const std::string page = manPage("zorlan.1");
    ASSERT_FALSE(page.empty());
    int rows = 0;
    for (const OptionSpec* row = kOptionTable; row->name; ++row, ++rows) {
        EXPECT_TRUE(documents(page, std::string("--") + row->name)) << row->name;
        EXPECT_TRUE(documents(page, std::string("-") + row->val)) << row->val;
    }
    EXPECT_GE(rows, 14);
    for (const char* section : {".SH OPTIONS", ".SH EXIT STATUS", ".SH ENVIRONMENT"})
        EXPECT_NE(page.find(section), std::string::npos) << section;
}

TEST(ManPages, ObjdumpDocumentsEveryOptionOfItsUsageText) {
    const std::string page = manPage("zorlan-objdump.1");
    ASSERT_FALSE(page.empty());
    CapturedOutput out, err;
    std::vector<char*> argv = {const_cast<char*>("zorlan-objdump"), const_cast<char*>("-H")};
    ASSERT_EQ(objdumpMain(static_cast<int>(argv.size()), argv.data(), out.stream(), err.stream()), 0);
    const std::string usage = out.text();
    std::set<std::string> options;
    static const std::regex option("(^|[ ,])(--?[A-Za-z][-A-Za-z]*)");
    for (std::sregex_iterator it(usage.begin(), usage.end(), option), end; it != end; ++it)
        options.insert((*it)[2]);
    EXPECT_GE(options.size(), 15u) << usage;
    for (const std::string& name : options) EXPECT_TRUE(documents(page, name)) << name;
}
