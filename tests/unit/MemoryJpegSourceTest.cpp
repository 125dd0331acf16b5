// The JPEG decoder's byte source over memory: the rest of the bytes, then only the end.
#include "image/jpeg/MemoryJpegSource.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(MemoryJpegSource, HandsOutTheRestAndThenOnlyTheEnd) {
    const uint8_t data[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    MemoryJpegSource source(data, 10);
    uint8_t buffer[8];
    bool end = false;
    EXPECT_EQ(source.read(buffer, 4, end), 4);
    EXPECT_FALSE(end);
    EXPECT_EQ(source.read(buffer, 6, end), 6); // reaches the end exactly: already finished
    EXPECT_TRUE(end);
    EXPECT_EQ(buffer[5], 9);
    end = false;
    EXPECT_EQ(source.read(buffer, 4, end), 0);
    EXPECT_TRUE(end);
    MemoryJpegSource empty(nullptr, 0);
    EXPECT_EQ(empty.read(buffer, 4, end), -1);
}
