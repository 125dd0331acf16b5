// A stream over bytes in memory: reads and writes past the end stay inside them.
#include "io/MemoryStream.h"

#include <gtest/gtest.h>

TEST(MemoryStream, ReadsAndWritesPastTheEndStayInsideTheBytes) {
    char bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    MemoryStream stream(bytes, 6);
    char out[4] = {9, 9, 9, 9};
    stream.seek(4, Stream::kSet);
    EXPECT_EQ(stream.read(out, 4), -1);
    EXPECT_EQ(out[0], 5);
    EXPECT_EQ(out[1], 6);
    EXPECT_EQ(out[2], 0);
    EXPECT_TRUE(stream.atEnd());
    stream.seek(5, Stream::kSet);
    const char in[3] = {42, 42, 42};
    EXPECT_EQ(stream.write(in, 3), -1);
    EXPECT_EQ(bytes[5], 42);
    EXPECT_EQ(bytes[6], 7);
    stream.seek(-2, Stream::kSet);
    EXPECT_EQ(stream.read(out, 4), -1);
    EXPECT_EQ(stream.tell(), 0xFFFFFFFFu); // saturates instead of wrapping to the start
    EXPECT_TRUE(stream.atEnd());
}
