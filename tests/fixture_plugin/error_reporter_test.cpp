// error_reporter_test.cpp: the "Plug-in Error" dialog: the error table's
// lookups, the code texts, and the codes it stays silent for.
#include "tests/fixture_plugin/shell_test_support.hpp"

namespace kestrel::test {
namespace {

struct ReportCase {
    KResult code;
    const char* message;   // null: no dialog
    const char* code_text;
    int table_reads;       // entries of string list 16050 read
};

std::ostream& operator<<(std::ostream& os, const ReportCase& c) { return os << "code " << c.code; }

// Start-up fails with the case's code (registration's add_filter fails), so
// PluginMain hands that code to the error reporter.
class ErrorReporterTest : public ShellTest, public ::testing::WithParamInterface<ReportCase> {
protected:
    void SetUp() override { load(FIXTURE_PLUGIN_DIR, false); }
};

constexpr const char* kMemory = "The filter cannot complete because there isn't enough memory (RAM) available.";
constexpr const char* kUnknown = "The filter cannot complete because of an unknown error.";
// Registration reads entries 1 and 2 of string list 16000 first.
constexpr int kRegistrationReads = 2;

TEST_P(ErrorReporterTest, LooksTheCodeUpAndShowsIt) {
    const ReportCase& c = GetParam();
    host.faults().fail_call("AI Filter Suite/add_filter", 1, c.code);
    EXPECT_EQ(host.plugins().startup(*plugin), c.code);
    if (c.message == nullptr) {
        EXPECT_TRUE(host.dialogs().shown().empty());
        return;
    }
    EXPECT_EQ(host.faults().calls("ADM Basic Suite/get_indexed_string"), kRegistrationReads + c.table_reads);
    ASSERT_EQ(host.dialogs().shown().size(), 1u);
    const auto& d = host.dialogs().shown().front();
    EXPECT_EQ(d.name, "Error Dialog");
    EXPECT_EQ(d.resource_id, 16051);
    EXPECT_EQ(d.caption, "Plug-in Error");
    EXPECT_EQ(d.ended_with, 1);
    EXPECT_EQ(item_text(d, 1), "OK");
    EXPECT_EQ(item_text(d, 2), c.message);
    EXPECT_EQ(item_text(d, 3), c.code_text);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ErrorReporterTest,
    ::testing::Values(ReportCase{kOutOfMemoryErr, kMemory, "-108", 2}, ReportCase{271, kMemory, "271", 3},
                      ReportCase{K_FOURCC('S', 'E', 'G', 'M'),
                                 "The filter cannot complete because a layer is locked or invisible.", "SEGM", 4},
                      ReportCase{kBadSelectionErr, "The selection is not valid for this filter.", "!sel", 6},
                      // No pair matches: the last pair's message, found by position.
                      ReportCase{kNoParametersErr, kUnknown, "!MEM", 8}, ReportCase{42, kUnknown, "42", 8},
                      ReportCase{-42, kUnknown, "-42", 8}, ReportCase{kCanceledErr, nullptr, nullptr, 0}));

using ErrorReporterReadTest = ErrorReporterTest;

TEST_F(ErrorReporterReadTest, FailedMessageReadShowsNothing) {
    // Reads 1 and 2 are the registration's, 3 the code entry "-108", 4 its message.
    host.faults().fail_call("AI Filter Suite/add_filter", 1, kOutOfMemoryErr);
    host.faults().fail_call("ADM Basic Suite/get_indexed_string", 4, kOutOfMemoryErr);
    EXPECT_EQ(host.plugins().startup(*plugin), kOutOfMemoryErr);
    EXPECT_TRUE(host.dialogs().shown().empty());
}

}  // namespace
}  // namespace kestrel::test
