// The player's own JPEG decoder (ITU-T T.81): Huffman-coded 8-bit baseline, extended
// sequential and progressive images with restart intervals; grey, YCbCr or RGB (Adobe
// segment), CMYK or YCCK, with any whole-ratio sampling factors 1..4. It pulls bytes from a
// JpegSource and hands out one finished row at a time, top to bottom: one byte per pixel for
// grey, R, G, B, 0 for colour. Arithmetic coding, lossless and hierarchical frames, 12-bit
// samples, 2 components and fractional sampling ratios are refused.
//
// Sequential pictures with restart intervals survive damaged entropy-coded data: the decoder
// skips to the next restart marker (T.81 restart mechanism), leaves the MCUs it could not
// read mid-grey and goes on, telling the number of such skips in resynchronisations().
// Without restart markers, or in progressive pictures, damaged data ends the decoding.
//
// Every other failure records a JpegError code and unwinds to the operation that was called;
// once set the code stays and every later call fails. Reads and writes stay inside the
// decoder's own buffers on any input.
#pragma once

#include "image/jpeg/JpegError.h"
#include "image/jpeg/JpegHuffmanTable.h"
#include "image/jpeg/JpegSimd.h"

#include <csetjmp>
#include <cstddef>
#include <cstdint>

class JpegSource;

class JpegDecoder {
public:
    static constexpr int kMaxDimension = 8192;
    static constexpr int kMaxBlocksPerMcuRow = 6144;
    static constexpr int kMaxMemoryBlocks = 100;
    static constexpr int kInputSize = 4096;

    // Reads the headers up to and including the frame header; a failure is only recorded.
    // `useSimd` selects the inner loops of jpegSimdLevel(), else the integer ones; they give
    // the same bytes.
    JpegDecoder(JpegSource* source, bool useSimd);
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    int errorCode() const { return errorCode_; }
    // Why the decoder refused or failed, in a few words; empty while there is no error.
    const char* reason() const { return jpegErrorReason(errorCode_); }
    int width() const { return width_; }
    int height() const { return height_; }
    int componentCount() const { return componentCount_; }
    bool progressive() const { return progressive_; }

    // 0 when rows can be read (again 0 on a second call), -1 on failure. Progressive images
    // are decoded completely here.
    int begin();
    // Pictures can be made in two parts at once (see readJpegRowsBgr): progressive ones, whose
    // coefficients are all in memory after `begin`, from any MCU row; baseline ones by two
    // decoders, each from its own restart marker, where a restart interval begins an MCU
    // row. After `begin`: the row nearest to `row` where a part can start, or 0 for none.
    int splitRowNear(int row) const;
    // Progressive pictures after `begin`: rows [first, end) as B, G, R to `firstRow + y *
    // rowStep`, `first` a row splitRowNear gave or 0. Changes no state, so other threads can
    // make other rows at once. 0, or -1 when refused or out of memory.
    int transformRowsBgr(int first, int end, uint8_t* firstRow, ptrdiff_t rowStep) const;
    // Baseline pictures, instead of `begin`: skips the entropy-coded data before `row`, a
    // row splitRowNear gave, so that the next row handed out is `row`. 0, or -1 on failure.
    int beginAtRow(int row);
    // Between two MCU rows, reads the restart marker due before the next one now instead of
    // when that row is decoded. 0 (also when none is due), or -1 on failure or when another
    // marker stands there (which the next row passes over, as damaged data).
    int takeRestartMarker();
    // How many bytes of the source have been read: after beginAtRow or takeRestartMarker,
    // where the data after that restart marker starts.
    uint64_t inputOffset() const { return sourceBytes_ - inputCount_ + inputPosition_; }
    bool usesSimd() const { return useSimd_; }
    // How often damaged data was skipped up to a restart marker.
    int resynchronisations() const { return resynchronisations_; }

    // 0 with `row` at the next row of `rowBytes` bytes (valid until the next call), 1 after
    // the last row, -1 after an earlier failure or without `begin`, -227 when a failure
    // interrupts this row (the cause is in errorCode()).
    int decodeLine(const uint8_t*& row, int& rowBytes);
    // The same, but the row is written to `bgr` as `width` pixels of B, G, R (grey repeated),
    // exactly 3 x width bytes, in one pass where the layout allows.
    int decodeLineBgr(uint8_t* bgr);

private:
    static constexpr int kMaxMcuBlocks = 10; // T.81 B.2.3

    enum Colour {
        kColourGrey,
        kColourYCbCr,
        kColourRgb,
        kColourCmyk,
        kColourInvertedCmyk,
        kColourYcck
    };

    struct Component {
        int id, horizontal, vertical, quantTable;
        int hSamples, vSamples;             // blocks per MCU across and down in this frame's layout
        int hRatio, vRatio;                 // full-resolution samples per sample
        int blocksPerLine, blocksPerColumn; // whole MCUs
        int widthInBlocks, heightInBlocks;  // what a scan of this component alone covers
        int dcPredictor;
        int dcTable, acTable;
        int planeStride;       // of its samples of one MCU row
        int16_t* coefficients; // progressive: every block of the image
        uint64_t* nonZero;     // progressive: per block, bit k set where zig-zag k is not 0
    };

    [[noreturn]] void fail(int code);
    void* allocate(uint32_t bytes);

    // Input bytes.
    void refill();
    int readByte();
    int peekByte(uint32_t ahead);
    int read16();

    // Markers and segments.
    void findStart();
    int nextMarker();
    void skipBytes(uint32_t count);
    void skipSegment();
    void readHuffmanTables();
    void readQuantTables();
    void readRestartInterval();
    void readAdobeSegment();
    void readFrame();
    void readScan();
    void readHeaders();

    // Where rows are made: per component the samples of one MCU row, and scratch rows for
    // the colour conversion.
    struct RowScratch {
        uint8_t* planes[4];
        uint8_t* fullRows[4]; // components repeated to full resolution, when needed
        uint8_t* rowBuffer;
    };

    // Entropy-coded data. The hot loops keep the bit buffer in a local Bits (so that it
    // stays in registers) and store it back into `bits_` when they return.
    struct Bits {
        uint64_t buffer; // next bit at the top
        int count;
    };
    uint32_t entropyByte();
    void fillBits(Bits& bits);
    void fillBitsBytewise();
    int decodeSymbol(Bits& bits, const JpegHuffmanTable& table);
    int decodeLongSymbol(const JpegHuffmanTable& table, int32_t entry, uint32_t window);
    int receiveExtend(Bits& bits, int length);
    int receiveBits(Bits& bits, int length);
    void startEntropy();
    void processRestart();
    void skipEntropyData();
    void countRestart(Bits& bits);
    // After a failure of the sequential decoding: true, with the MCUs to leave out counted in
    // lostMcus_, when the failure is damaged data and a restart marker follows (or the data
    // ends, which loses the rest); false, with the failure kept, otherwise.
    bool resynchronise();

    // Frame and scans.
    void setupFrame();
    int fullRowBytes() const;
    int rowBufferBytes() const;
    uint32_t planeBytes(const Component& c) const;
    void chooseColourTransform();
    bool fastColourPath() const;
    void setupMcu();
    void beginSequential();
    void decodeProgressive();
    void checkProgressiveScan();
    void decodeProgressiveScan();
    size_t blockIndex(const Component& component, int column, int row);
    void decodeProgressiveBlock(Bits& bits, int16_t* block, uint64_t& nonZero,
                                Component& component);
    void decodeAcFirst(Bits& bits, int16_t* block, uint64_t& nonZero,
                       const JpegHuffmanTable& table);
    void decodeAcRefinement(Bits& bits, int16_t* block, uint64_t& nonZero,
                            const JpegHuffmanTable& table);
    void decodeSequentialBlock(Bits& bits, int16_t* block, uint8_t& end, Component& component);
    void decodeSequentialMcuRow();
    uint8_t* sequentialBlockOut(int mcu, int block) const;
    void fillLostMcu(int mcu);
    void transformProgressiveMcuRow(int mcuRow, uint8_t* const* planes) const;
    int readMarker();
    const uint8_t* componentRow(const RowScratch& rows, int rowInMcuRow, int index) const;
    void prepareRow();
    int prepareRowOrResynchronise();
    void outputRow(const RowScratch& rows, int rowInMcuRow, const uint8_t*& row,
                   int& rowBytes) const;
    void outputBgrRow(const RowScratch& rows, int rowInMcuRow, uint8_t* bgr) const;

    JpegSource* source_;
    bool useSimd_;
    JpegIdctFunction idct_;
    JpegIdctFunction idctSparse_;
    JpegConvertRowFunction convertRow_;
    JpegConvertRowFunction convertRowBgr_;
    JpegStoreBgrFunction storeBgr_;

    int width_ = 0, height_ = 0, componentCount_ = 0;
    Component components_[4] = {};
    bool progressive_ = false;
    bool adobeSegment_ = false;
    int adobeTransform_ = 0;
    Colour colour_ = kColourGrey;
    bool begun_ = false;

    uint16_t quantTables_[4][64 + 16] = {}; // zig-zag order, with room for runs past the end
    bool quantDefined_[4] = {};
    JpegHuffmanTable huffman_[8];

    int restartInterval_ = 0, restartsLeft_ = 0, nextRestart_ = 0;

    int scanCount_ = 0;
    int scanComponents_[4] = {};
    int spectralStart_ = 0, spectralEnd_ = 0, approximationHigh_ = 0, approximationLow_ = 0;
    int endOfBandRun_ = 0;

    int mcuWidth_ = 0, mcuHeight_ = 0, mcusPerRow_ = 0, mcusPerColumn_ = 0;
    int blocksPerMcu_ = 0, blocksPerMcuRow_ = 0;
    int mcuBlockComponent_[kMaxMcuBlocks] = {};
    int mcuBlockColumn_[kMaxMcuBlocks] = {};
    int mcuBlockRow_[kMaxMcuBlocks] = {};

    int bytesPerPixel_ = 0, rowBytes_ = 0;
    RowScratch rows_ = {}; // for the rows handed out one at a time
    int16_t* mcuCoefficients_ = nullptr;
    uint8_t blockEnds_[kMaxMcuBlocks] = {};
    uint16_t naturalQuant_[4][64] = {}; // per component, for the progressive output
    int mcuRow_ = 0;
    int mcuInRow_ = 0;     // the MCU being decoded, where a failure leaves its row
    int64_t lostMcus_ = 0; // after a resynchronisation: MCUs to leave mid-grey
    int resynchronisations_ = 0;
    int rowsLeft_ = 0, rowInMcuRow_ = 0;

    uint8_t input_[kInputSize + 128];
    uint32_t inputPosition_ = 0, inputCount_ = 0;
    uint64_t sourceBytes_ = 0;
    bool endOfData_ = false;
    Bits bits_ = {0, 0};
    bool markerReached_ = false;

    int errorCode_ = 0;
    std::jmp_buf failure_;
    void* memoryBlocks_[kMaxMemoryBlocks] = {};
    int memoryBlockCount_ = 0;
};
