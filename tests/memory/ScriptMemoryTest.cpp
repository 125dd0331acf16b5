// The script reader when memory runs out at any point of a read: the read fails with a
// message that says so, and no exception leaves the reader.
#include "FailingAllocation.h"
#include "TempDir.h"
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

// The same through the reading of a script file, as the player starts: the main file, an
// include, and attributes by the thousand, as a script far too large for the memory has. A
// file whose bytes find no memory is said so on standard output and reads as missing.
TEST(ScriptMemory, RunningOutOfMemoryReadingAScriptFileFailsWithAMessage) {
    TempDir dir;
    std::string attributes;
    for (int i = 0; i < 2000; ++i) attributes += " a" + std::to_string(i) + "=\"\"";
    dir.write("data/part.txt", "<camera mode=\"create\" name=\"c\"" + attributes + "/>\n");
    dir.write("data/main.txt", "<demo name=\"d\"" + attributes +
                                   "><include file=\"part.txt\"/><event time=\"1\"/></demo>\n");
    WorkingDirectory cwd(dir.path());
    testing::internal::CaptureStdout();
    int outOfMemory = 0;
    bool readWhole = false;
    for (long allowed = 0; allowed < 5000 && !readWhole; ++allowed) {
        ScriptDocument document;
        failAllocationsAfter(allowed);
        const int result = document.parseFile("main.txt");
        allowAllocations();
        const std::string message = ScriptDocument::lastMessage();
        if (result == 0) {
            readWhole = document.children.size() == 1 && document.children[0]->children.size() == 2;
            continue;
        }
        if (message.rfind("XML Error out of memory after ", 0) == 0)
            ++outOfMemory;
        else
            EXPECT_EQ(message, "couldn't find main.txt");
    }
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(readWhole);
    EXPECT_GT(outOfMemory, 5);
    EXPECT_NE(out.find("Error: out of memory loading data/main.txt\n"), std::string::npos);
}
