// Reads every row of a begun decoder into an image as B, G, R, on two threads where the
// picture allows, with exactly the bytes one thread would give, on any input.
// - Progressive pictures, whose coefficients are all in memory: a helper thread transforms
//   the lower half while the calling thread transforms the upper one.
// - Baseline pictures whose restart intervals begin an MCU row near the middle: a second
//   decoder, on a helper thread, reads the lower part from that restart marker. Its rows are
//   kept only if `decoder` then reaches the same marker at the same place in the file, with
//   no damaged data skipped on the way; otherwise `decoder` reads the lower part itself.
#pragma once

#include <cstddef>
#include <cstdint>

class JpegDecoder;

struct JpegRowsRead {
    int rows;               // read before the first failure: the decoder's height when none
    int errorCode;          // why reading stopped early, or 0
    int resynchronisations; // damaged data skipped up to a restart marker, in all parts
};

// `decoder` reads `file`, of which the helper makes its own reader. Row y goes to
// `firstRow + y * rowStep`; the image must be zeroed, as rows past a failure stay untouched.
JpegRowsRead readJpegRowsBgr(JpegDecoder& decoder, const uint8_t* file, uint32_t fileSize,
                             uint8_t* firstRow, ptrdiff_t rowStep, bool twoThreads);
