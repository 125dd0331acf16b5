// BMP reader: uncompressed pictures of 1, 2, 4, 8, 16, 24 and 32 bits, RLE8 and RLE4, and
// 16- and 32-bit bit-field pictures, with Windows (40 to 124 bytes), OS/2 1.x and OS/2 2.x
// headers, bottom-up or top-down. The result is 24-bit BGR, or 32-bit BGRA for uncompressed
// 32-bit pictures and bit-field pictures with an alpha mask; bottom row first, rows packed.
// Uncompressed 24- and 32-bit pixels are taken as stored, except that a 32-bit picture whose
// fourth bytes are all 0 (what most writers store there) becomes opaque. Sides above 2048
// (the largest texture), embedded JPEG or PNG data and the OS/2 Huffman and RLE24
// compressions are refused with a reason.
#pragma once

#include <vornex/Image.h>

class Stream;
struct BmpHeader;

class cFormatBMP : public cFormat {
public:
    static int probe(Stream* stream);
    int load(Stream* stream) override;

private:
    // -1 with the reason for pictures this reader cannot take, else 0.
    static int refuseUnsupported(const BmpHeader& header);
    int loadStored(Stream* stream, const BmpHeader& header);
    int loadExpanded(Stream* stream, const BmpHeader& header);
    int loadRunLength(Stream* stream, const BmpHeader& header);
    // Turns rows stored top row first into the bottom-row-first order.
    void flipRows();
};
