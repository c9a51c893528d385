// The option reader's value rules and the outcomes of parseOptions; the usage text and
// the statuses of whole runs are pinned by the golden tests under driver/options.
#include "driver/Zorlan.h"
#include "driver/interface.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Parsed {
    int result;
    CommandLineOptions options;
    std::string output;
};

Parsed parse(std::vector<const char*> words) {
    words.insert(words.begin(), "zorlan");
    CapturedOutput out;
    Parsed p;
    p.result = parseOptions(static_cast<int>(words.size()), words.data(), p.options, out.stream());
    p.output = out.text();
    return p;
}

const std::string kUsageStart = "Zorlan [options] [file ...]\n";

} // namespace

TEST(OptionReader, EveryValueSpellingGivesTheSameOutputName) {
    for (auto words : std::vector<std::vector<const char*>>{{"--output=x.obj", "a.asm"},
                                                            {"-o=x.obj", "a.asm"},
                                                            {"-o", "x.obj", "a.asm"},
                                                            {"-o", "=", "x.obj", "a.asm"}}) {
        Parsed p = parse(words);
        EXPECT_EQ(p.result, 0);
        ASSERT_TRUE(p.options.outputName.has_value()) << words[0];
        EXPECT_EQ(*p.options.outputName, "x.obj") << words[0];
        EXPECT_EQ(*p.options.inputName, "a.asm");
        EXPECT_EQ(p.output, "");
    }
}

TEST(OptionReader, ValuesThatAreMissingOrNotWanted) {
    Parsed before = parse({"-o", "-l", "log.txt", "a.asm"}); // the next option is no value
    EXPECT_FALSE(before.options.outputName.has_value());
    EXPECT_EQ(before.options.logName, "log.txt");
    EXPECT_EQ(before.options.inputName, "a.asm");
    Parsed trailing = parse({"a.asm", "-o", "="});
    EXPECT_FALSE(trailing.options.outputName.has_value());
    EXPECT_EQ(trailing.options.inputName, "a.asm");
    Parsed flag = parse({"-v=3", "a.asm"}); // a flag ignores its value
    EXPECT_EQ(flag.options.flags, OPT_VERBOSE);
    EXPECT_EQ(flag.options.inputName, "a.asm");
    EXPECT_EQ(parse({"a.asm", "b.asm"}).options.inputName, "b.asm"); // the last input word wins
}

TEST(OptionReader, MatchingIsExactAndCaseSensitive) {
    for (const char* word : {"-verbose", "--v", "-ofile", "-O", "-", "--Output"}) {
        Parsed p = parse({word, "a.asm"});
        EXPECT_EQ(p.result, 0);
        EXPECT_EQ(p.output.rfind(std::string("Unknown parameter \"") + word + "\"\n" + kUsageStart, 0), 0u)
            << word;
        EXPECT_FALSE(p.options.inputName.has_value()) << "help clears the input";
    }
}

TEST(OptionReader, BlanksInsideTheKeyAreIgnoredAndTheKeyIsBounded) {
    EXPECT_TRUE(parse({"-q ", "a.asm"}).options.flags & OPT_QUIET);
    std::string longKey = "--" + std::string(300, 'q');
    EXPECT_TRUE(parse({longKey.c_str(), "a.asm"}).options.flags & OPT_HELP);
}

TEST(OptionReader, EveryFlagSetsItsBit) {
    Parsed p = parse({"--verbose", "--quiet", "--uscore", "--csensitive", "--version", "a.asm"});
    EXPECT_EQ(p.options.flags, OPT_VERBOSE | OPT_QUIET | OPT_USCORE | OPT_CSENSITIVE | OPT_VERSION);
    Parsed s = parse({"-v", "-q", "-u", "-c", "-e", "a.asm"});
    EXPECT_EQ(s.options.flags, p.options.flags);
}

TEST(DebugLevel, SpellingsAndBounds) {
    for (auto words : std::vector<std::vector<const char*>>{
             {"-d", "1", "a.asm"}, {"--debug=1", "a.asm"}, {"-d=1", "a.asm"}, {"--debug", "1", "a.asm"}}) {
        Parsed p = parse(words);
        EXPECT_EQ(p.result, 0);
        EXPECT_EQ(p.options.debugLevel, 1) << words[0];
    }
    EXPECT_EQ(parse({"-d", "x", "a.asm"}).options.debugLevel, 0);
    EXPECT_EQ(parse({"-d", "a.asm"}).options.debugLevel, 0) << "a word is taken as the value";
    EXPECT_EQ(parse({"-d", "2", "a.asm"}).result, 1);
    EXPECT_EQ(parse({"-d=-1", "a.asm"}).result, 1);
}

TEST(ParseOptions, NoArgumentsAndNoInput) {
    Parsed none = parse({});
    EXPECT_EQ(none.result, 1);
    EXPECT_EQ(none.output.rfind(kUsageStart, 0), 0u);
    Parsed quiet = parse({"-q"});
    EXPECT_EQ(quiet.result, 0);
    EXPECT_EQ(quiet.output.rfind("No input file specified\n" + kUsageStart, 0), 0u);
    EXPECT_EQ(parse({"--version"}).output, "");
    std::vector<const char*> argv = {"zorlan"};
    CapturedOutput out;
    EXPECT_EQ(zorlanMain(1, argv.data(), out.stream()), 1); // the run itself ends with status 1
}

TEST(IncludeDirs, BlankNamesAreQuotedAndOrderIsKept) {
    Parsed p = parse({"-I", "inc", "--include=my dir", "-I=x", "a.asm"});
    EXPECT_EQ(p.options.includeDirs, (std::vector<std::string>{"inc", "\"my dir\"", "x"}));
}
