// The catalogue, the counters and the format of the closing listing.
#include "core/messages.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

TEST(Catalogue, HasSixtyNineDistinctCodesWithTheirSeverities) {
    std::set<int> codes;
    for (const CatalogueEntry& e : kMessageCatalogue) codes.insert(e.code);
    EXPECT_EQ(codes.size(), 69u);
    EXPECT_EQ(kMessageCatalogue[0].code, 1000);
    EXPECT_EQ(kMessageCatalogue[68].code, 3020);
    EXPECT_EQ(findCatalogueEntry(2027)->severity, SEV_INFO);
    EXPECT_EQ(findCatalogueEntry(3016)->severity, SEV_WARNING);
    for (int internal : {5000, 5001, 3009, 5002, 5003, 5005})
        EXPECT_EQ(findCatalogueEntry(internal)->severity, SEV_INTERNAL) << internal;
    EXPECT_EQ(findCatalogueEntry(1234), nullptr);
}

TEST(Report, CountsBySeverityAndIgnoresUnknownCodes) {
    DiagnosticList list;
    report(list, 3012, 12, 0, "main.asm", "foo");
    report(list, 5001, 99, 0, "Zorlan", nullptr);
    report(list, 3016, 3, 3, "main.asm", "X");
    report(list, 2027, 4, 0, "main.asm");
    report(list, 9999, 5, 0, "main.asm");
    EXPECT_EQ(errorCount(list), 2);
    EXPECT_EQ(list.warnings, 1);
    EXPECT_EQ(list.infos, 1);
    ASSERT_EQ(list.entries.size(), 4u);
    EXPECT_EQ(list.entries[0].text, "unresolved symbol 'foo'");
}

TEST(PrintReport, CountLineThenOneLinePerDiagnostic) {
    DiagnosticList list;
    report(list, 3012, 12, 0, "main.asm", "foo");
    report(list, 4003, 7, 0, "main.asm", "bar");
    report(list, 3007, 0, 0, nullptr);
    report(list, 2027, 4, 0, "inc/a.asm");
    CapturedOutput out;
    printReport(list, out.stream(), nullptr, 0);
    EXPECT_EQ(out.text(), "3 errors, 0 warnings and 1 informational messages\n"
                          "Assembler: main.asm line 12: (error) A3012 unresolved symbol 'foo'\n"
                          "Assembler: main.asm line 7: (error) A4003 unresolved datatype \"bar\"\n"
                          "Assembler: (null) line 0: (error) A3007 invalid filename\n"
                          "Assembler: inc/a.asm line 4: (info) A2027 multiple global declaration\n");
}

TEST(PrintReport, QuietDropsOnlyTheCountLine) {
    DiagnosticList list;
    {
        CapturedOutput out;
        printReport(list, out.stream(), nullptr, 1);
        EXPECT_EQ(out.text(), "");
    }
    {
        CapturedOutput out;
        printReport(list, out.stream(), nullptr, 0);
        EXPECT_EQ(out.text(), "0 errors, 0 warnings and 0 informational messages\n");
    }
    report(list, 5000, 1, 0, "x");
    CapturedOutput out;
    printReport(list, out.stream(), nullptr, 1);
    EXPECT_EQ(out.text(), "Assembler: x line 1: (internal) A5000 malloc() failed\n");
}

TEST(PrintReport, WritesIntoTheLogFile) {
    DiagnosticList list;
    report(list, 1000, 3, 0, "a.asm");
    std::string path = ::testing::TempDir() + "listing.log";
    {
        std::ofstream old(path);
        old << "stale\n";
    }
    CapturedOutput out;
    printReport(list, out.stream(), path.c_str(), 0);
    EXPECT_EQ(out.text(), "");
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "1 errors, 0 warnings and 0 informational messages\n"
                          "Assembler: a.asm line 3: (error) A1000 neither instruction nor directive\n");
}
