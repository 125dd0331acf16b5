// The progress line a render shows: a bar and the time left once the length is known.
#include "render/RenderProgress.h"

#include <gtest/gtest.h>

TEST(RenderProgressLine, ShowsABarAndTheTimeLeftOnlyWhenTheLengthIsKnown) {
    char line[160];
    formatRenderProgress({30, 120, 1.0, 15.0}, line, sizeof line);
    EXPECT_STREQ(line,
                 "[#######.......................] 30/120 frames  1.00 s  15.0 fps  0:06 left");
    formatRenderProgress({200, 120, 6.6, 20.0}, line, sizeof line);
    EXPECT_STREQ(line,
                 "[##############################] 200/120 frames  6.60 s  20.0 fps  0:00 left");
    formatRenderProgress({30, 0, 1.0, 0.0}, line, sizeof line);
    EXPECT_STREQ(line, "30 frames  1.00 s  0.0 fps");
}
