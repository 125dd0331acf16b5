#include "TempDir.h"
#include "log/Log.h"
#include "platform/native/fake/FakeNative.h"

#include <gtest/gtest.h>

namespace {
class LogLines : public ::testing::Test {
protected:
    void SetUp() override {
        native::fake::reset();
        native::fake::setSystemTime({2026, 12, 2, 8, 17, 13, 41, 123});
        Log& log = Log::instance();
        log.setFormat(LOG_COUNTER | LOG_TIME | LOG_LEVEL);
        log.setIndent(0);
        log.setOutputs(LOG_TO_FILE);
        log.setFileName(dir.file("log.txt").c_str());
        log.setEnabled(true);
    }
    void TearDown() override { Log::instance().setEnabled(false); }
    TempDir dir;
};
} // namespace

TEST_F(LogLines, StartUpFormatNumbersLinesFromZeroWithUtcTimeAndLevelColumn) {
    Log& log = Log::instance();
    const uint32_t first = log.lineCount();
    log.print("Parsing Script [%s]", "script.txt");
    log.print("done.");
    char expected[256];
    std::snprintf(expected, sizeof expected,
                  "%06u|[17:13:41.123]  **** Parsing Script [script.txt]\r\n"
                  "%06u|[17:13:41.123]  **** done.\r\n",
                  first, first + 1);
    EXPECT_EQ(dir.read("log.txt"), expected);
}

TEST_F(LogLines, FirstLineAfterSetFileNameTruncatesAndPercentStaysLiteral) {
    Log& log = Log::instance();
    log.setFormat(0);
    log.print("old run");
    log.setFileName(dir.file("log.txt").c_str());
    log.print("%s", "file 100%d.tga");
    log.print("ends in newline\n");
    EXPECT_EQ(dir.read("log.txt"), "file 100%d.tga\r\nends in newline\n\r\n");
}

TEST_F(LogLines, DisabledLogWritesNothingAndKeepsTheCount) {
    Log& log = Log::instance();
    log.setEnabled(false);
    const uint32_t before = log.lineCount();
    log.print("hidden");
    EXPECT_EQ(log.lineCount(), before);
    EXPECT_FALSE(dir.exists("log.txt"));
}

TEST_F(LogLines, LevelColumnAndDatePieces) {
    Log& log = Log::instance();
    log.setFormat(LOG_LEVEL | LOG_DATE);
    log.printLevel(1, "a");
    log.printLevel(3, "b");
    log.printLevel(4, "c");
    log.printLevel(64, "d");
    EXPECT_EQ(dir.read("log.txt"), "[08-12-2026]   *** a\r\n"
                                   "[08-12-2026]     * b\r\n"
                                   "[08-12-2026]       c\r\n"
                                   "[08-12-2026]  **** d\r\n");
}

TEST_F(LogLines, OverlongMessageIsCutButLineStillEndsInCrLf) {
    Log& log = Log::instance();
    log.setFormat(0);
    std::string huge(40000, 'x');
    log.print("%s", huge.c_str());
    const std::string text = dir.read("log.txt");
    EXPECT_EQ(text.size(), Log::kMessageSize - 1 + 2);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_F(LogLines, MessageBoxOutputShowsEachLineCaptionedLog) {
    Log& log = Log::instance();
    log.setFormat(0);
    log.setOutputs(LOG_TO_MESSAGEBOX);
    log.print("hello");
    ASSERT_EQ(native::fake::messageBoxes().size(), 1u);
    EXPECT_EQ(native::fake::messageBoxes()[0].caption, "LOG");
    EXPECT_EQ(native::fake::messageBoxes()[0].text, "hello\r\n");
}
