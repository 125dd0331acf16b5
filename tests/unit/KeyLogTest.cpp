// The key log: each key press as a line in the event syntax, appended to keylog.txt.
#include "demo/KeyLog.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

TEST(KeyLog, LinesUseTheEventSyntaxAndEndInCrLf) {
    char line[128];
    const size_t length = formatKeyLogLine(line, sizeof line, 12.34f, 2, 'a');
    EXPECT_EQ(std::string(line, length), "\t<event time=\"12.3\" bank=\"2\" trigger=\"a\"/>\r\n");

    TempDir dir;
    appendKeyLog(dir.file("keylog.txt").c_str(), 0.0f, 0, '!');
    appendKeyLog(dir.file("keylog.txt").c_str(), 1.25f, 10, 'Z');
    EXPECT_EQ(dir.read("keylog.txt"), "\t<event time=\"0.0\" bank=\"0\" trigger=\"!\"/>\r\n"
                                      "\t<event time=\"1.2\" bank=\"10\" trigger=\"Z\"/>\r\n");
    // A log that cannot be opened is skipped.
    appendKeyLog(dir.file("missing/keylog.txt").c_str(), 0.0f, 0, 'a');
}
