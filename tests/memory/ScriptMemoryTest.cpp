// The script reader when memory runs out at any point of a read: the read fails with a
// message that says so, and no exception leaves the reader.
#include "FailingAllocation.h"
#include "io/MemoryStream.h"
#include "script/ScriptDocument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(ScriptMemory, RunningOutOfMemoryAnywhereFailsTheReadWithAMessage) {
    // Elements, attributes, nesting and an include (missing, read as empty).
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += "<demo name=\"d\" width=\"64\"><camera mode=\"create\" name=\"c\"/>"
                "<include file=\"missing.txt\"/><event time=\"1\"><exit/></event></demo>\n";
    testing::internal::CaptureStdout();
    int failedReads = 0;
    bool readWhole = false;
    for (long allowed = 0; allowed < 5000 && !readWhole; ++allowed) {
        ScriptDocument document;
        MemoryStream stream(text.c_str(), static_cast<uint32_t>(text.size()));
        failAllocationsAfter(allowed);
        const int result = document.parseElements(document, stream);
        allowAllocations();
        if (result == 0) {
            readWhole = true;
            EXPECT_EQ(document.children.size(), 10u);
            continue;
        }
        ++failedReads;
        const char* prefix = "XML Error out of memory after ";
        EXPECT_EQ(std::strncmp(ScriptDocument::lastMessage(), prefix, std::strlen(prefix)), 0)
            << ScriptDocument::lastMessage();
    }
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(readWhole);
    EXPECT_GT(failedReads, 50);
}
