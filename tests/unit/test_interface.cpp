// The option reader's value rules and the outcomes of parseOptions.
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
    resetOptionReader();
    CapturedOutput out;
    Parsed p;
    p.result = parseOptions(static_cast<int>(words.size()), words.data(), p.options);
    p.output = out.text();
    return p;
}

const char* const kUsage = "Zorlan [options] [file ...]\n\n"
                           "  -d level\tSpecify debug output level for assembler.\n"
                           "  -o\t\tSpecify output filename.\n"
                           "  -l\t\tSpecify log filename.\n"
                           "  -v\t\tVerbose output of command lines for tools.\n"
                           "  -q\t\tQuieten output of command lines for tools.\n"
                           "  -I\t\tAdd a search directory for include files.\n"
                           "  --version\tDisplay tool versions.\n"
                           "  --help\tDisplay this help message.\n"
                           "\n";

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

TEST(OptionReader, OptionWithoutValueBeforeAnotherOption) {
    Parsed p = parse({"-o", "-l", "log.txt", "a.asm"});
    EXPECT_FALSE(p.options.outputName.has_value());
    ASSERT_TRUE(p.options.logName.has_value());
    EXPECT_EQ(*p.options.logName, "log.txt");
    EXPECT_EQ(*p.options.inputName, "a.asm");
}

TEST(OptionReader, MatchingIsExactAndCaseSensitive) {
    for (const char* word : {"-verbose", "--v", "-ofile", "-O", "-", "--Output"}) {
        Parsed p = parse({word, "a.asm"});
        EXPECT_EQ(p.result, 0);
        EXPECT_EQ(p.output, std::string("Unknown parameter \"") + word + "\"\n" + kUsage) << word;
        EXPECT_FALSE(p.options.inputName.has_value()) << "help clears the input";
    }
}

TEST(OptionReader, BlanksInsideTheKeyAreIgnoredAndTheKeyIsBounded) {
    Parsed p = parse({"-q ", "a.asm"});
    EXPECT_TRUE(p.options.flags & OPT_QUIET);
    std::string longKey = "--" + std::string(300, 'q');
    Parsed q = parse({longKey.c_str(), "a.asm"});
    EXPECT_TRUE(q.options.flags & OPT_HELP);
}

TEST(OptionReader, ValueOfAFlagOptionIsIgnored) {
    Parsed p = parse({"-v=3", "a.asm"});
    EXPECT_EQ(p.options.flags, OPT_VERBOSE);
    EXPECT_EQ(*p.options.inputName, "a.asm");
}

TEST(OptionReader, TrailingEqualsLeavesTheOptionWithoutValue) {
    Parsed p = parse({"a.asm", "-o", "="});
    EXPECT_FALSE(p.options.outputName.has_value());
    EXPECT_EQ(*p.options.inputName, "a.asm");
}

TEST(OptionReader, LastInputWordWins) {
    Parsed p = parse({"a.asm", "b.asm"});
    EXPECT_EQ(*p.options.inputName, "b.asm");
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

    Parsed high = parse({"-d", "2", "a.asm"});
    EXPECT_EQ(high.result, 1);
    EXPECT_EQ(high.output, "Maximum debug level is 1\n");
    Parsed low = parse({"-d=-1", "a.asm"});
    EXPECT_EQ(low.result, 1);
    EXPECT_EQ(low.output, "Minimum debug level is 0\n");
}

TEST(ParseOptions, NoArgumentsHelpAndMissingInput) {
    resetOptionReader();
    {
        CapturedOutput out;
        CommandLineOptions options;
        const char* argv[] = {"zorlan"};
        EXPECT_EQ(parseOptions(1, argv, options), 1);
        EXPECT_EQ(out.text(), kUsage);
    }
    Parsed help = parse({"-h", "a.asm"});
    EXPECT_EQ(help.result, 0);
    EXPECT_EQ(help.output, kUsage);
    EXPECT_FALSE(help.options.inputName.has_value());

    Parsed none = parse({"-q"});
    EXPECT_EQ(none.result, 0);
    EXPECT_EQ(none.output, std::string("No input file specified\n") + kUsage);

    Parsed version = parse({"--version"});
    EXPECT_EQ(version.output, "");
}

TEST(IncludeDirs, BlankNamesAreQuotedAndOrderIsKept) {
    Parsed p = parse({"-I", "inc", "--include=my dir", "-I=x", "a.asm"});
    ASSERT_EQ(p.options.includeDirs.size(), 3u);
    EXPECT_EQ(p.options.includeDirs[0], "inc");
    EXPECT_EQ(p.options.includeDirs[1], "\"my dir\"");
    EXPECT_EQ(p.options.includeDirs[2], "x");
}

TEST(Driver, StatusesThatNeedNoAssembly) {
    struct Case {
        std::vector<const char*> words;
        int status;
        std::string output;
    };
    const std::vector<Case> cases = {
        {{}, 1, kUsage},
        {{"-h"}, 0, kUsage},
        {{"--bogus", "x.asm"}, 0, std::string("Unknown parameter \"--bogus\"\n") + kUsage},
        {{"-d", "2", "x.asm"}, 1, "Maximum debug level is 1\n"},
        {{"-d=-1", "x.asm"}, 1, "Minimum debug level is 0\n"},
        {{"-q"}, 0, std::string("No input file specified\n") + kUsage},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv = {"zorlan"};
        argv.insert(argv.end(), c.words.begin(), c.words.end());
        CapturedOutput out;
        EXPECT_EQ(zorlanMain(static_cast<int>(argv.size()), argv.data()), c.status);
        EXPECT_EQ(out.text(), c.output);
    }
}
