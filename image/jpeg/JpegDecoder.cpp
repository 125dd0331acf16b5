#include "image/jpeg/JpegDecoder.h"

#include "image/ZeroedMemory.h"
#include "image/jpeg/JpegColour.h"
#include "image/jpeg/JpegError.h"
#include "image/jpeg/JpegIdct.h"
#include "image/jpeg/JpegSimd.h"
#include "image/jpeg/JpegSource.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace {
// Natural (row-major) position of each zig-zag index.
constexpr uint8_t kZigzag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                 12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// kZigzag with room for a run that ends past coefficient 63: such a run (which fails the
// block right after) writes to position 0 instead of outside the block.
constexpr int kRunSlack = 16;
constexpr uint8_t kBlockPosition[64 + kRunSlack] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33,
    40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36,
    29, 22, 15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54,
    47, 55, 62, 63, 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0};

constexpr int kMarkerSof0 = 0xC0, kMarkerSof1 = 0xC1, kMarkerSof2 = 0xC2, kMarkerSof9 = 0xC9;
constexpr int kMarkerDht = 0xC4, kMarkerJpg = 0xC8, kMarkerDac = 0xCC;
constexpr int kMarkerRst0 = 0xD0, kMarkerRst7 = 0xD7;
constexpr int kMarkerSoi = 0xD8, kMarkerEoi = 0xD9, kMarkerSos = 0xDA, kMarkerDqt = 0xDB;
constexpr int kMarkerDri = 0xDD, kMarkerApp14 = 0xEE, kMarkerTem = 0x01;
constexpr int kSoiSearchBytes = 511;
constexpr int kRestartSearchBytes = 1536;
constexpr int kLargestCategory = 15;
// Zig-zag positions 0..9 lie in the top-left 4 x 4 of a block.
constexpr int kSparseEnd = 10;
// The Adobe segment: identifier, version, two flag words, then the colour transform.
constexpr uint8_t kAdobeIdentifier[5] = {'A', 'd', 'o', 'b', 'e'};
constexpr int kAdobeSegmentBytes = 12;

// Eight inline stores rather than a library call per block.
inline void clearBlock(int16_t* block) {
#if defined(__x86_64__)
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < 64; i += 8) _mm_storeu_si128(reinterpret_cast<__m128i*>(block + i), zero);
#else
    std::memset(block, 0, 64 * sizeof(int16_t));
#endif
}

// Garbage may overflow 16 bits anywhere (values, predictors, dequantised coefficients);
// such values wrap.
inline int16_t wrap16(int32_t value) {
    return static_cast<int16_t>(value);
}
} // namespace

JpegDecoder::JpegDecoder(JpegSource* source, bool useSimd) : source_(source), useSimd_(useSimd) {
    const JpegKernels& kernels = jpegKernels(useSimd ? jpegSimdLevel() : JpegSimdLevel::kInteger);
    idct_ = kernels.idct;
    idctSparse_ = kernels.idctSparse;
    convertRow_ = kernels.convertRow;
    convertRowBgr_ = kernels.convertRowBgr;
    storeBgr_ = kernels.storeBgr;
    if (!source_) {
        errorCode_ = kJpegReadError;
        return;
    }
    source_->attach();
    if (setjmp(failure_) == 0) readHeaders();
}

JpegDecoder::~JpegDecoder() {
    for (int i = 0; i < memoryBlockCount_; ++i) std::free(memoryBlocks_[i]);
    if (source_) source_->detach();
}

void JpegDecoder::fail(int code) {
    errorCode_ = code;
    std::longjmp(failure_, 1);
}

void* JpegDecoder::allocate(uint32_t bytes) {
    if (memoryBlockCount_ >= kMaxMemoryBlocks) fail(kJpegTooManyMemoryBlocks);
    void* block = allocateZeroed(bytes);
    if (!block) fail(kJpegOutOfMemory);
    memoryBlocks_[memoryBlockCount_++] = block;
    return block;
}

// ---- Input bytes ----

// Keeps the unread bytes, fills the rest of the buffer from the source and puts EOI pairs
// after the data, so a look-ahead past the end sees markers, never stale bytes.
void JpegDecoder::refill() {
    const uint32_t keep = inputPosition_ < inputCount_ ? inputCount_ - inputPosition_ : 0;
    std::memmove(input_, input_ + inputPosition_, keep);
    inputPosition_ = 0;
    inputCount_ = keep;
    while (inputCount_ < kInputSize && !endOfData_) {
        const int wanted = kInputSize - static_cast<int>(inputCount_);
        bool end = false;
        const int got = source_->read(input_ + inputCount_, wanted, end);
        if (got < 0 || got > wanted) fail(kJpegReadError);
        inputCount_ += got;
        sourceBytes_ += got;
        // A source that delivers nothing is treated as exhausted, so reading cannot hang.
        if (end || got == 0) endOfData_ = true;
    }
    for (uint32_t i = inputCount_; i < sizeof(input_) - 1; i += 2) {
        input_[i] = 0xFF;
        input_[i + 1] = kMarkerEoi;
    }
}

// The byte `ahead` places after the read position. Past the end of the data the input
// continues as 0xFF 0xD9 0xFF 0xD9 ..., so a truncated file ends in EOI markers.
int JpegDecoder::peekByte(uint32_t ahead) {
    if (!endOfData_ && inputPosition_ + ahead >= inputCount_) refill();
    const uint32_t index = inputPosition_ + ahead;
    if (index < inputCount_) return input_[index];
    return ((index - inputCount_) & 1) ? kMarkerEoi : 0xFF;
}

int JpegDecoder::readByte() {
    const int value = peekByte(0);
    ++inputPosition_;
    return value;
}

int JpegDecoder::read16() {
    const int high = readByte();
    return (high << 8) | readByte();
}

void JpegDecoder::skipBytes(uint32_t count) {
    while (count > 0) {
        if (inputPosition_ >= inputCount_) {
            if (endOfData_) {
                inputPosition_ += count;
                return;
            }
            refill();
            continue;
        }
        const uint32_t available = inputCount_ - inputPosition_;
        const uint32_t step = count < available ? count : available;
        inputPosition_ += step;
        count -= step;
    }
}

// ---- Markers and segments ----

void JpegDecoder::findStart() {
    int previous = readByte();
    int current = readByte();
    if (previous == 0xFF && current == kMarkerSoi) return;
    for (int i = 0; i < kSoiSearchBytes; ++i) {
        previous = current;
        current = readByte();
        if (previous == 0xFF && current == kMarkerSoi) {
            if (peekByte(0) != 0xFF) fail(kJpegNoStart);
            return;
        }
    }
    fail(kJpegNoStart);
}

// Skips to the next 0xFF, then over fill bytes; 0xFF 0x00 is stuffed data, not a marker.
int JpegDecoder::readMarker() {
    for (;;) {
        if (readByte() != 0xFF) continue;
        int code = readByte();
        while (code == 0xFF) code = readByte();
        if (code != 0) return code;
    }
}

// Handles table segments and skips the others; returns frame headers, SOI, EOI and SOS.
int JpegDecoder::nextMarker() {
    for (;;) {
        const int marker = readMarker();
        switch (marker) {
        case kMarkerDht:
            readHuffmanTables();
            continue;
        case kMarkerDqt:
            readQuantTables();
            continue;
        case kMarkerDri:
            readRestartInterval();
            continue;
        case kMarkerApp14:
            readAdobeSegment();
            continue;
        case kMarkerDac:
            fail(kJpegArithmeticCoding);
        case kMarkerTem:
        case kMarkerJpg:
            fail(kJpegUnexpectedMarker);
        case kMarkerSoi:
        case kMarkerEoi:
        case kMarkerSos:
            return marker;
        default:
            break;
        }
        if (marker >= kMarkerRst0 && marker <= kMarkerRst7) fail(kJpegUnexpectedMarker);
        if (marker >= kMarkerSof0 && marker <= 0xCF) return marker;
        skipSegment();
    }
}

void JpegDecoder::skipSegment() {
    const int length = read16();
    if (length < 2) fail(kJpegSegmentLengthInvalid);
    skipBytes(length - 2);
}

// Adobe's APP14 segment tells how the colour components are coded: 0 unconverted (RGB or
// CMYK), 1 YCbCr, 2 YCCK. Any other APP14 segment is skipped.
void JpegDecoder::readAdobeSegment() {
    const int length = read16();
    if (length < 2) fail(kJpegSegmentLengthInvalid);
    int remaining = length - 2;
    if (remaining >= kAdobeSegmentBytes) {
        bool adobe = true;
        for (uint8_t expected : kAdobeIdentifier) adobe = readByte() == expected && adobe;
        skipBytes(6);
        const int transform = readByte();
        remaining -= kAdobeSegmentBytes;
        if (adobe) {
            adobeSegment_ = true;
            adobeTransform_ = transform;
        }
    }
    skipBytes(remaining);
}

void JpegDecoder::readHuffmanTables() {
    int remaining = read16();
    if (remaining < 2) fail(kJpegHuffmanSegmentShort);
    remaining -= 2;
    // The class byte and the counts are checked before the length, so that a short segment
    // with a bad slot or too many codes reports those.
    while (remaining > 0) {
        const int classAndId = readByte();
        const int slot = (classAndId & 15) + 4 * ((classAndId >> 4) & 1);
        if (slot >= 8) fail(kJpegHuffmanSlotInvalid);
        JpegHuffmanTable& table = huffman_[slot];
        int total = 0;
        table.counts[0] = 0;
        for (int length = 1; length <= 16; ++length) {
            table.counts[length] = static_cast<uint8_t>(readByte());
            total += table.counts[length];
        }
        if (total > 255) fail(kJpegHuffmanCountsTooLarge);
        if (remaining < 17 + total) fail(kJpegHuffmanSegmentShort);
        for (int i = 0; i < total; ++i) table.symbols[i] = static_cast<uint8_t>(readByte());
        table.build();
        table.defined = true;
        remaining -= 17 + total;
    }
}

void JpegDecoder::readQuantTables() {
    int remaining = read16();
    if (remaining < 2) fail(kJpegQuantSegmentShort);
    remaining -= 2;
    while (remaining > 0) {
        const int precisionAndId = readByte();
        const int id = precisionAndId & 15;
        const bool wide = (precisionAndId >> 4) != 0;
        if (id >= 4) fail(kJpegQuantTableInvalid);
        const int needed = wide ? 129 : 65;
        if (remaining < needed) fail(kJpegQuantTableShort);
        for (int k = 0; k < 64; ++k)
            quantTables_[id][k] = static_cast<uint16_t>(wide ? read16() : readByte());
        quantDefined_[id] = true;
        remaining -= needed;
    }
}

void JpegDecoder::readRestartInterval() {
    if (read16() != 4) fail(kJpegRestartLengthInvalid);
    restartInterval_ = read16();
}

void JpegDecoder::readFrame() {
    const int length = read16();
    if (readByte() != 8) fail(kJpegPrecisionUnsupported);
    const int height = read16();
    if (height < 1 || height > kMaxDimension) fail(kJpegHeightInvalid);
    const int width = read16();
    if (width < 1 || width > kMaxDimension) fail(kJpegWidthInvalid);
    const int count = readByte();
    if (count > 4) fail(kJpegTooManyComponents);
    if (length != 8 + 3 * count) fail(kJpegFrameLengthInvalid);
    width_ = width;
    height_ = height;
    componentCount_ = count;
    for (int i = 0; i < count; ++i) {
        Component& component = components_[i];
        component.id = readByte();
        const int sampling = readByte();
        component.horizontal = sampling >> 4;
        component.vertical = sampling & 15;
        component.quantTable = readByte();
    }
}

void JpegDecoder::readScan() {
    const int length = read16();
    const int count = readByte();
    if (count < 1 || count > 4 || length != 6 + 2 * count) fail(kJpegScanHeaderInvalid);
    scanCount_ = count;
    for (int i = 0; i < count; ++i) {
        const int id = readByte();
        const int tables = readByte();
        int index = 0;
        while (index < componentCount_ && components_[index].id != id) ++index;
        if (index == componentCount_) fail(kJpegScanComponentUnknown);
        // A component twice in one scan would overrun the MCU layout.
        for (int j = 0; j < i; ++j)
            if (scanComponents_[j] == index) fail(kJpegScanHeaderInvalid);
        const int dcTable = tables >> 4, acTable = tables & 15;
        if (dcTable > 3 || acTable > 3) fail(kJpegHuffmanTableMissing);
        components_[index].dcTable = dcTable;
        components_[index].acTable = acTable + 4;
        scanComponents_[i] = index;
    }
    spectralStart_ = readByte();
    spectralEnd_ = readByte();
    const int approximation = readByte();
    approximationHigh_ = approximation >> 4;
    approximationLow_ = approximation & 15;
}

void JpegDecoder::readHeaders() {
    findStart();
    const int marker = nextMarker();
    if (marker == kMarkerSof0 || marker == kMarkerSof1)
        progressive_ = false;
    else if (marker == kMarkerSof2)
        progressive_ = true;
    else if (marker == kMarkerSof9)
        fail(kJpegArithmeticCoding);
    else
        fail(kJpegFrameTypeUnsupported);
    readFrame();
}

// ---- Entropy-coded data ----

// The next byte of entropy-coded data: stuffed 0xFF 0x00 pairs give 0xFF; at a marker the
// reader stops before it and gives zero bits from then on.
uint32_t JpegDecoder::entropyByte() {
    if (markerReached_) return 0;
    if (peekByte(0) != 0xFF) return readByte();
    if (peekByte(1) == 0) {
        inputPosition_ += 2;
        return 0xFF;
    }
    markerReached_ = true;
    return 0;
}

// Tops the bit buffer up to at least 57 bits. Where the next eight bytes hold no 0xFF (no
// stuffing, no marker) they are taken whole: the bits of a partly taken byte land below
// the count, where the same byte will be put again when it is taken.
inline void JpegDecoder::fillBits(Bits& bits) {
    const uint32_t position = inputPosition_;
    if (position + 8 <= inputCount_) {
        uint64_t word;
        std::memcpy(&word, input_ + position, 8);
        word = __builtin_bswap64(word);
        const uint64_t inverted = ~word; // 0xFF bytes become zero bytes
        constexpr uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
        const uint64_t marks = (inverted - kOnes) & ~inverted & kHighs;
        const int bytes = (63 - bits.count) >> 3;
        if (marks == 0) {
            bits.buffer |= word >> bits.count;
            bits.count += bytes * 8;
            inputPosition_ = position + bytes;
            return;
        }
        // The bytes before the first 0xFF (the test may also mark a 0xFE just before one)
        // are taken whole; the rest byte by byte.
        const int clean = __builtin_clzll(marks) >> 3;
        if (clean > 0) {
            const int taken = clean < bytes ? clean : bytes;
            bits.buffer |= (word & ~(~uint64_t(0) >> (taken * 8))) >> bits.count;
            bits.count += taken * 8;
            inputPosition_ = position + taken;
            if (bits.count > 56) return;
        }
    }
    bits_ = bits;
    fillBitsBytewise();
    bits = bits_;
}

// The rare paths work on `bits_` out of line, so that the callers' copies stay in registers.
__attribute__((noinline)) void JpegDecoder::fillBitsBytewise() {
    do {
        bits_.buffer |= uint64_t(entropyByte()) << (56 - bits_.count);
        bits_.count += 8;
    } while (bits_.count <= 56);
}

// Codes longer than 8 bits, whose prefix has lookup `entry`, in the next 16 bits `window`:
// (length << 8) | symbol.
__attribute__((noinline)) int JpegDecoder::decodeLongSymbol(const JpegHuffmanTable& table,
                                                            int32_t entry, uint32_t window) {
    if (entry == 0) fail(kJpegCorruptData);
    int longer = 0; // summed without branches: the length is hard to predict
    for (int i = 0; i < 8; ++i) longer += window >= table.longLimit[i];
    if (longer == 8) fail(kJpegCorruptData);
    const int length = 9 + longer;
    return (length << 8) | table.symbols[(window >> (16 - length)) + table.longOffset[longer]];
}

inline int JpegDecoder::decodeSymbol(Bits& bits, const JpegHuffmanTable& table) {
    if (bits.count < 16) fillBits(bits);
    int32_t entry = table.lookup[bits.buffer >> 56];
    if (entry <= 0) entry = decodeLongSymbol(table, entry, uint32_t(bits.buffer >> 48));
    const int length = entry >> 8;
    bits.buffer <<= length;
    bits.count -= length;
    return entry & 0xFF;
}

inline int JpegDecoder::getBits(Bits& bits, int length) {
    if (length == 0) return 0;
    if (bits.count < length) fillBits(bits);
    const int value = static_cast<int>(bits.buffer >> (64 - length));
    bits.buffer <<= length;
    bits.count -= length;
    return value;
}

// EXTEND of T.81 F.2.2.1 on the next `length` bits: a leading 0 bit means a negative value.
inline int JpegDecoder::receiveExtend(Bits& bits, int length) {
    if (length == 0) return 0;
    if (bits.count < length) fillBits(bits);
    const int negative = static_cast<int>(static_cast<int64_t>(~bits.buffer) >> 63);
    const int value = static_cast<int>(bits.buffer >> (64 - length));
    bits.buffer <<= length;
    bits.count -= length;
    return value + (negative & (1 - (1 << length)));
}

void JpegDecoder::startEntropy() {
    for (Component& component : components_) component.dcPredictor = 0;
    endOfBandRun_ = 0;
    restartsLeft_ = restartInterval_;
    nextRestart_ = 0;
    bits_ = {0, 0};
    markerReached_ = false;
}

void JpegDecoder::processRestart() {
    markerReached_ = false;
    int budget = kRestartSearchBytes;
    while (readByte() != 0xFF)
        if (--budget <= 0) fail(kJpegRestartMarkerInvalid);
    int marker = readByte();
    while (marker == 0xFF) {
        if (--budget <= 0) fail(kJpegRestartMarkerInvalid);
        marker = readByte();
    }
    if (marker != kMarkerRst0 + nextRestart_) fail(kJpegRestartMarkerInvalid);
    for (Component& component : components_) component.dcPredictor = 0;
    endOfBandRun_ = 0;
    restartsLeft_ = restartInterval_;
    nextRestart_ = (nextRestart_ + 1) & 7;
}

// Moves to the next 0xFF that is not stuffing: a restart marker, or where the data ends.
void JpegDecoder::skipEntropyData() {
    for (;;) {
        const uint32_t available = inputPosition_ < inputCount_ ? inputCount_ - inputPosition_ : 0;
        const void* mark = std::memchr(input_ + inputPosition_, 0xFF, available);
        if (!mark) {
            inputPosition_ += available;
            if (endOfData_) return;
            refill();
            continue;
        }
        inputPosition_ = static_cast<uint32_t>(static_cast<const uint8_t*>(mark) - input_);
        if (peekByte(1) != 0) return;
        inputPosition_ += 2;
    }
}

inline void JpegDecoder::countRestart(Bits& bits) {
    if (restartInterval_ == 0) return;
    if (restartsLeft_ == 0) {
        processRestart();
        bits = {0, 0};
    }
    --restartsLeft_;
}

// ---- Frame set-up ----

// Grey (one 8 x 8 block per MCU whatever its sampling factors), or three or four
// components with sampling factors 1..4 whose ratios to the largest are whole numbers (the
// samples are replicated to full resolution), at most ten blocks per MCU.
void JpegDecoder::setupFrame() {
    if (componentCount_ != 1 && componentCount_ != 3 && componentCount_ != 4)
        fail(kJpegComponentCountUnsupported);
    if (componentCount_ == 1) {
        colour_ = kColourGrey;
        components_[0].hSamples = components_[0].vSamples = 1;
    } else {
        for (int i = 0; i < componentCount_; ++i) {
            Component& c = components_[i];
            if (c.horizontal < 1 || c.horizontal > 4 || c.vertical < 1 || c.vertical > 4)
                fail(kJpegSamplingUnsupported);
            c.hSamples = c.horizontal;
            c.vSamples = c.vertical;
        }
        chooseColourTransform();
    }
    int maxH = 1, maxV = 1, blocksPerMcu = 0;
    for (int i = 0; i < componentCount_; ++i) {
        maxH = components_[i].hSamples > maxH ? components_[i].hSamples : maxH;
        maxV = components_[i].vSamples > maxV ? components_[i].vSamples : maxV;
        blocksPerMcu += components_[i].hSamples * components_[i].vSamples;
    }
    if (blocksPerMcu > kMaxMcuBlocks) fail(kJpegSamplingUnsupported);
    for (int i = 0; i < componentCount_; ++i) {
        Component& c = components_[i];
        if (maxH % c.hSamples != 0 || maxV % c.vSamples != 0) fail(kJpegSamplingUnsupported);
        c.hRatio = maxH / c.hSamples;
        c.vRatio = maxV / c.vSamples;
    }
    mcuWidth_ = 8 * maxH;
    mcuHeight_ = 8 * maxV;
    mcusPerRow_ = (width_ + mcuWidth_ - 1) / mcuWidth_;
    mcusPerColumn_ = (height_ + mcuHeight_ - 1) / mcuHeight_;
    blocksPerMcu_ = blocksPerMcu;
    blocksPerMcuRow_ = blocksPerMcu * mcusPerRow_;
    if (blocksPerMcuRow_ > kMaxBlocksPerMcuRow) fail(kJpegTooManyBlocks);
    bytesPerPixel_ = componentCount_ == 1 ? 1 : 4;
    rowBytes_ = width_ * bytesPerPixel_;
    for (int i = 0; i < componentCount_; ++i) {
        Component& c = components_[i];
        c.blocksPerLine = mcusPerRow_ * c.hSamples;
        c.blocksPerColumn = mcusPerColumn_ * c.vSamples;
        const int componentWidth = (width_ * c.hSamples + maxH - 1) / maxH;
        const int componentHeight = (height_ * c.vSamples + maxV - 1) / maxV;
        c.widthInBlocks = (componentWidth + 7) / 8;
        c.heightInBlocks = (componentHeight + 7) / 8;
        c.planeStride = c.blocksPerLine * 8;
        rows_.planes[i] = static_cast<uint8_t*>(allocate(planeBytes(c)));
    }
    if (componentCount_ > 1) {
        rows_.rowBuffer = static_cast<uint8_t*>(allocate(rowBufferBytes()));
        if (!fastColourPath()) {
            for (int i = 0; i < componentCount_; ++i)
                rows_.fullRows[i] = static_cast<uint8_t*>(allocate(fullRowBytes()));
        }
    }
}

// The vector code works in groups of up to 16 pixels past the width.
int JpegDecoder::fullRowBytes() const {
    return ((width_ + 15) & ~15) + 16;
}

int JpegDecoder::rowBufferBytes() const {
    return fullRowBytes() * 4;
}

uint32_t JpegDecoder::planeBytes(const Component& c) const {
    return uint32_t(c.planeStride) * c.vSamples * 8;
}

// Three components are YCbCr unless an Adobe segment says they are unconverted RGB; four
// are CMYK, or YCCK when the Adobe segment says so. Adobe stores CMYK inverted.
void JpegDecoder::chooseColourTransform() {
    if (componentCount_ == 3)
        colour_ = adobeSegment_ && adobeTransform_ == 0 ? kColourRgb : kColourYCbCr;
    else if (adobeSegment_ && adobeTransform_ == 2)
        colour_ = kColourYcck;
    else
        colour_ = adobeSegment_ ? kColourInvertedCmyk : kColourCmyk;
}

// Today's common layouts: YCbCr with full-resolution luma and both chroma components
// sampled alike, at most halved across. They go straight to the colour kernel.
bool JpegDecoder::fastColourPath() const {
    if (colour_ != kColourYCbCr) return false;
    const Component &y = components_[0], &cb = components_[1], &cr = components_[2];
    return y.hRatio == 1 && y.vRatio == 1 && cb.hRatio == cr.hRatio && cb.vRatio == cr.vRatio &&
           cb.hRatio <= 2;
}

// The blocks of one MCU of the current scan: each component's blocks left to right, top
// to bottom, components in scan order.
void JpegDecoder::setupMcu() {
    int count = 0;
    for (int i = 0; i < scanCount_; ++i) {
        const Component& c = components_[scanComponents_[i]];
        for (int row = 0; row < c.vSamples; ++row) {
            for (int column = 0; column < c.hSamples; ++column) {
                mcuBlockComponent_[count] = scanComponents_[i];
                mcuBlockColumn_[count] = column;
                mcuBlockRow_[count] = row;
                ++count;
            }
        }
    }
    blocksPerMcu_ = count;
}

int JpegDecoder::begin() {
    if (errorCode_ != 0) return -1;
    if (begun_) return 0;
    if (setjmp(failure_)) return -1;
    setupFrame();
    if (progressive_) {
        decodeProgressive();
    } else {
        beginSequential();
    }
    rowsLeft_ = height_;
    mcuRow_ = 0;
    rowInMcuRow_ = mcuHeight_;
    begun_ = true;
    return 0;
}

int JpegDecoder::splitRowNear(int row) const {
    if (!begun_ || (!progressive_ && restartInterval_ == 0)) return 0;
    int nearest = 0;
    for (int mcuRow = 1; mcuRow < mcusPerColumn_; ++mcuRow) {
        const int candidate = mcuRow * mcuHeight_;
        if ((progressive_ || (int64_t(mcuRow) * mcusPerRow_) % restartInterval_ == 0) &&
            (nearest == 0 || std::abs(candidate - row) < std::abs(nearest - row)))
            nearest = candidate;
    }
    return nearest;
}

int JpegDecoder::beginAtRow(int row) {
    if (begin() != 0) return -1;
    if (setjmp(failure_)) return -1;
    if (row == 0) return 0;
    if (progressive_ || row != splitRowNear(row) || mcuRow_ != 0 || rowInMcuRow_ != mcuHeight_)
        fail(kJpegRestartMarkerInvalid);
    const int markers = int(int64_t(row / mcuHeight_) * mcusPerRow_ / restartInterval_);
    for (int i = 0; i < markers; ++i) {
        skipEntropyData();
        processRestart();
    }
    mcuRow_ = row / mcuHeight_;
    rowsLeft_ = height_ - row;
    return 0;
}

int JpegDecoder::takeRestartMarker() {
    if (errorCode_ != 0 || !begun_) return -1;
    if (setjmp(failure_)) return -1;
    if (!progressive_ && restartInterval_ != 0 && restartsLeft_ == 0 &&
        rowInMcuRow_ == mcuHeight_ && rowsLeft_ > 0) {
        processRestart();
        bits_ = {0, 0};
    }
    return 0;
}

// ---- Sequential ----

void JpegDecoder::beginSequential() {
    if (nextMarker() != kMarkerSos) fail(kJpegUnexpectedMarker);
    readScan();
    // One interleaved scan carries every component; rows come out as it is decoded.
    if (scanCount_ != componentCount_) fail(kJpegScanHeaderInvalid);
    for (int i = 0; i < scanCount_; ++i) {
        const Component& c = components_[scanComponents_[i]];
        if (c.quantTable > 3 || !quantDefined_[c.quantTable]) fail(kJpegQuantTableMissing);
        if (spectralStart_ == 0 && !huffman_[c.dcTable].defined) fail(kJpegHuffmanTableMissing);
        if (spectralEnd_ > 0 && !huffman_[c.acTable].defined) fail(kJpegHuffmanTableMissing);
    }
    setupMcu();
    // One MCU's blocks, used again for every MCU, so that they stay in the nearest cache.
    mcuCoefficients_ = static_cast<int16_t*>(allocate(blocksPerMcu_ * 64 * sizeof(int16_t)));
    std::memset(blockEnds_, 64, sizeof(blockEnds_));
    startEntropy();
}

// Annex F decoding of one block, dequantised into natural order. `end` is how far in
// zig-zag order the block's previous contents reached: a block that held only DC needs no
// clearing, any other is cleared whole (one short run of vector stores). It becomes the
// position after the last coefficient decoded, or a little more after runs of 16 zeros.
inline void JpegDecoder::decodeSequentialBlock(Bits& bits, int16_t* block, uint8_t& end,
                                               Component& component) {
    using Table = JpegHuffmanTable;
    if (end > 1) clearBlock(block);
    const uint16_t* quant = quantTables_[component.quantTable];
    // Enough for the longest code and value, so the slow paths below never refill.
    if (bits.count < 32) fillBits(bits);
    const Table& dcTable = huffman_[component.dcTable];
    const int32_t dc = dcTable.fast[bits.buffer >> (64 - Table::kFastBits)];
    int difference;
    if (dc != 0 && (dc & (15 << Table::kFastRunShift)) == 0) {
        bits.buffer <<= dc & Table::kFastLengthMask;
        bits.count -= dc & Table::kFastLengthMask;
        difference = dc >> Table::kFastValueShift;
    } else {
        const int category = decodeSymbol(bits, dcTable);
        if (category > kLargestCategory) fail(kJpegCorruptData);
        difference = receiveExtend(bits, category);
    }
    component.dcPredictor = wrap16(component.dcPredictor + difference);
    block[0] = wrap16(component.dcPredictor * quant[0]);
    const int32_t* fast = huffman_[component.acTable].fast;
    int k = 1;
    do {
        if (bits.count < 32) fillBits(bits);
        const int32_t entry = fast[bits.buffer >> (64 - Table::kFastBits)];
        if (entry != 0) {
            bits.buffer <<= entry & Table::kFastLengthMask;
            bits.count -= entry & Table::kFastLengthMask;
            if (entry & Table::kFastEndOfBlock) break;
            k += (entry >> Table::kFastRunShift) & 15;
            block[kBlockPosition[k]] = wrap16((entry >> Table::kFastValueShift) * quant[k]);
            continue;
        }
        const int symbol = decodeSymbol(bits, huffman_[component.acTable]);
        const int run = symbol >> 4, size = symbol & 15;
        if (size == 0) {
            if (run != 15) break;
            k += 15;
            continue;
        }
        k += run;
        block[kBlockPosition[k]] = wrap16(receiveExtend(bits, size) * quant[k]);
    } while (++k < 64);
    // Past 64: a run went beyond coefficient 63.
    if (k > 64) fail(kJpegCorruptData);
    end = static_cast<uint8_t>(k);
}

// Each MCU is transformed right after it is decoded, while its blocks are still in cache.
void JpegDecoder::decodeSequentialMcuRow() {
    int16_t* const blocks = mcuCoefficients_;
    Bits bits = bits_;
    for (int mcu = 0; mcu < mcusPerRow_; ++mcu) {
        countRestart(bits);
        for (int b = 0; b < blocksPerMcu_; ++b)
            decodeSequentialBlock(bits, blocks + b * 64, blockEnds_[b],
                                  components_[mcuBlockComponent_[b]]);
        for (int b = 0; b < blocksPerMcu_; ++b) {
            const Component& c = components_[mcuBlockComponent_[b]];
            const int16_t* block = blocks + b * 64;
            const int end = blockEnds_[b];
            uint8_t* out = rows_.planes[mcuBlockComponent_[b]] +
                           mcuBlockRow_[b] * 8 * c.planeStride +
                           (mcu * c.hSamples + mcuBlockColumn_[b]) * 8;
            if (end <= 1)
                jpegIdctDcOnly(block[0], out, c.planeStride);
            else if (end <= kSparseEnd)
                idctSparse_(block, out, c.planeStride);
            else
                idct_(block, out, c.planeStride);
        }
    }
    bits_ = bits;
}

// ---- Progressive ----

size_t JpegDecoder::blockIndex(const Component& component, int column, int row) {
    if (column < 0 || row < 0 || column >= component.blocksPerLine ||
        row >= component.blocksPerColumn)
        fail(kJpegTooManyBlocks);
    return size_t(row) * component.blocksPerLine + column;
}

void JpegDecoder::decodeProgressive() {
    for (int i = 0; i < componentCount_; ++i) {
        Component& c = components_[i];
        const uint32_t blocks = uint32_t(c.blocksPerLine) * c.blocksPerColumn;
        c.coefficients = static_cast<int16_t*>(allocate(blocks * 64 * sizeof(int16_t)));
        c.nonZero = static_cast<uint64_t*>(allocate(blocks * sizeof(uint64_t)));
    }
    int scans = 0;
    for (;;) {
        const int marker = nextMarker();
        if (marker == kMarkerEoi && scans > 0) break;
        if (marker != kMarkerSos) fail(kJpegUnexpectedMarker);
        readScan();
        checkProgressiveScan();
        decodeProgressiveScan();
        ++scans;
    }
    for (int i = 0; i < componentCount_; ++i) {
        const Component& c = components_[i];
        if (c.quantTable > 3 || !quantDefined_[c.quantTable]) fail(kJpegQuantTableMissing);
        for (int k = 0; k < 64; ++k) naturalQuant_[i][kZigzag[k]] = quantTables_[c.quantTable][k];
    }
}

void JpegDecoder::checkProgressiveScan() {
    if (spectralStart_ > spectralEnd_ || spectralEnd_ > 63) fail(kJpegSpectralSelectionInvalid);
    if (spectralStart_ == 0 && spectralEnd_ != 0) fail(kJpegSpectralSelectionInvalid);
    if (spectralStart_ != 0 && scanCount_ != 1) fail(kJpegSpectralSelectionInvalid);
    if (approximationHigh_ != 0 && approximationLow_ != approximationHigh_ - 1)
        fail(kJpegSuccessiveApproximationInvalid);
    for (int i = 0; i < scanCount_; ++i) {
        const Component& c = components_[scanComponents_[i]];
        if (c.quantTable > 3 || !quantDefined_[c.quantTable]) fail(kJpegQuantTableMissing);
        const bool dcFirst = spectralStart_ == 0 && approximationHigh_ == 0;
        if (dcFirst && !huffman_[c.dcTable].defined) fail(kJpegHuffmanTableMissing);
        if (spectralStart_ > 0 && !huffman_[c.acTable].defined) fail(kJpegHuffmanTableMissing);
    }
}

void JpegDecoder::decodeProgressiveScan() {
    startEntropy();
    Bits bits = bits_;
    if (scanCount_ == 1) {
        Component& c = components_[scanComponents_[0]];
        for (int row = 0; row < c.heightInBlocks; ++row) {
            for (int column = 0; column < c.widthInBlocks; ++column) {
                countRestart(bits);
                const size_t index = blockIndex(c, column, row);
                decodeProgressiveBlock(bits, c.coefficients + index * 64, c.nonZero[index], c);
            }
        }
        return;
    }
    setupMcu();
    for (int mcuY = 0; mcuY < mcusPerColumn_; ++mcuY) {
        for (int mcuX = 0; mcuX < mcusPerRow_; ++mcuX) {
            countRestart(bits);
            for (int b = 0; b < blocksPerMcu_; ++b) {
                Component& c = components_[mcuBlockComponent_[b]];
                const size_t index = blockIndex(c, mcuX * c.hSamples + mcuBlockColumn_[b],
                                                mcuY * c.vSamples + mcuBlockRow_[b]);
                decodeProgressiveBlock(bits, c.coefficients + index * 64, c.nonZero[index], c);
            }
        }
    }
}

// Annex G: DC first, DC refinement, AC first or AC refinement by the scan's parameters.
// Coefficients are kept undequantised in natural order.
void JpegDecoder::decodeProgressiveBlock(Bits& bits, int16_t* block, uint64_t& nonZero,
                                         Component& component) {
    if (spectralStart_ != 0) {
        const JpegHuffmanTable& table = huffman_[component.acTable];
        if (approximationHigh_ == 0)
            decodeAcFirst(bits, block, nonZero, table);
        else
            decodeAcRefinement(bits, block, nonZero, table);
        return;
    }
    if (approximationHigh_ != 0) {
        if (getBits(bits, 1)) block[0] = wrap16(block[0] | (1 << approximationLow_));
        return;
    }
    const int category = decodeSymbol(bits, huffman_[component.dcTable]);
    if (category > kLargestCategory) fail(kJpegCorruptData);
    component.dcPredictor = wrap16(component.dcPredictor + receiveExtend(bits, category));
    block[0] = wrap16(component.dcPredictor * (1 << approximationLow_));
}

void JpegDecoder::decodeAcFirst(Bits& bits, int16_t* block, uint64_t& nonZero,
                                const JpegHuffmanTable& table) {
    if (endOfBandRun_ > 0) {
        --endOfBandRun_;
        return;
    }
    const int scale = 1 << approximationLow_;
    for (int k = spectralStart_; k <= spectralEnd_; ++k) {
        const int symbol = decodeSymbol(bits, table);
        const int run = symbol >> 4, size = symbol & 15;
        if (size == 0) {
            if (run < 15) {
                endOfBandRun_ = (1 << run) - 1 + getBits(bits, run);
                return;
            }
            // Sixteen zeros, which must end by coefficient 63 as in sequential blocks.
            k += 15;
            if (k > 63) fail(kJpegCorruptData);
            continue;
        }
        k += run;
        if (k > 63) fail(kJpegCorruptData);
        const int16_t value = wrap16(receiveExtend(bits, size) * scale);
        block[kZigzag[k]] = value;
        // A value that wraps to 0 is a zero for the refinement scans.
        if (value != 0)
            nonZero |= uint64_t(1) << k;
        else
            nonZero &= ~(uint64_t(1) << k);
    }
}

// G.1.2.3: new coefficients of magnitude 1 and correction bits for those already set. The
// block's bit set of non-zero positions (zig-zag order) lets the end-of-band runs, most of
// the blocks, visit only those. A refined coefficient never becomes 0.
void JpegDecoder::decodeAcRefinement(Bits& bits, int16_t* block, uint64_t& nonZero,
                                     const JpegHuffmanTable& table) {
    const int plus = 1 << approximationLow_, minus = -plus;
    auto refine = [&](int k) {
        int16_t& coefficient = block[kZigzag[k]];
        if (getBits(bits, 1) && (coefficient & plus) == 0)
            coefficient = wrap16(coefficient + (coefficient >= 0 ? plus : minus));
    };
    int k = spectralStart_;
    if (endOfBandRun_ == 0) {
        for (; k <= spectralEnd_; ++k) {
            const int symbol = decodeSymbol(bits, table);
            int run = symbol >> 4;
            const int size = symbol & 15;
            int value = 0;
            if (size != 0) {
                if (size != 1) fail(kJpegCorruptData);
                value = getBits(bits, 1) ? plus : minus;
            } else if (run != 15) {
                endOfBandRun_ = (1 << run) + getBits(bits, run);
                break;
            }
            // Skip `run` zero coefficients, refining the non-zero ones passed on the way.
            for (; k <= spectralEnd_; ++k) {
                if ((nonZero >> k) & 1) {
                    refine(k);
                } else {
                    if (run == 0) break;
                    --run;
                }
            }
            // A run that ends past the band (but not past 63) places nothing: the position
            // belongs to another scan's band.
            if (value != 0 && k <= spectralEnd_) {
                block[kZigzag[k]] = static_cast<int16_t>(value);
                nonZero |= uint64_t(1) << k;
            }
        }
    }
    if (endOfBandRun_ > 0) {
        if (k <= spectralEnd_) {
            const uint64_t band = (~uint64_t(0) << k) & (~uint64_t(0) >> (63 - spectralEnd_));
            for (uint64_t pending = nonZero & band; pending != 0; pending &= pending - 1)
                refine(__builtin_ctzll(pending));
        }
        --endOfBandRun_;
    }
}

// MCU row `mcuRow` into `planes`: for each component, where that row's samples go. Reads
// only finished coefficients and writes only its own rows, so bands of rows can be
// transformed on several threads at once.
void JpegDecoder::transformProgressiveMcuRow(int mcuRow, uint8_t* const* planes) const {
    int16_t block[64];
    for (int i = 0; i < componentCount_; ++i) {
        const Component& c = components_[i];
        const uint16_t* quant = naturalQuant_[i];
        for (int row = 0; row < c.vSamples; ++row) {
            // Within the image: mcuRow < mcusPerColumn_, so the row < blocksPerColumn.
            const size_t first = size_t(mcuRow * c.vSamples + row) * c.blocksPerLine;
            for (int column = 0; column < c.blocksPerLine; ++column) {
                const int16_t* stored = c.coefficients + (first + column) * 64;
                // Two plain loops, so that the compiler can vectorise them.
                for (int k = 0; k < 64; ++k) block[k] = wrap16(stored[k] * quant[k]);
                int ac = 0;
                for (int k = 1; k < 64; ++k) ac |= block[k];
                uint8_t* out = planes[i] + row * 8 * c.planeStride + column * 8;
                if (ac == 0)
                    jpegIdctDcOnly(block[0], out, c.planeStride);
                else if ((c.nonZero[first + column] >> kSparseEnd) == 0)
                    idctSparse_(block, out, c.planeStride);
                else
                    idct_(block, out, c.planeStride);
            }
        }
    }
}

int JpegDecoder::transformRowsBgr(int first, int end, uint8_t* firstRow, ptrdiff_t rowStep) const {
    if (!begun_ || !progressive_ || errorCode_ != 0 || first % mcuHeight_ != 0 || first < 0 ||
        end > height_)
        return -1;
    // Buffers of its own, so that other threads can make other rows at the same time.
    uint32_t bytes = 0;
    for (int i = 0; i < componentCount_; ++i) bytes += planeBytes(components_[i]);
    bytes += componentCount_ > 1 ? rowBufferBytes() + componentCount_ * fullRowBytes() : 0;
    std::unique_ptr<uint8_t, void (*)(void*)> scratch(static_cast<uint8_t*>(std::calloc(bytes, 1)),
                                                      std::free);
    if (!scratch) return -1;
    RowScratch rows = {};
    uint8_t* next = scratch.get();
    for (int i = 0; i < componentCount_; ++i, next += planeBytes(components_[i - 1]))
        rows.planes[i] = next;
    if (componentCount_ > 1) {
        rows.rowBuffer = next;
        next += rowBufferBytes();
        for (int i = 0; i < componentCount_; ++i, next += fullRowBytes()) rows.fullRows[i] = next;
    }
    for (int row = first; row < end; ++row) {
        const int rowInMcuRow = row % mcuHeight_;
        if (rowInMcuRow == 0) transformProgressiveMcuRow(row / mcuHeight_, rows.planes);
        outputBgrRow(rows, rowInMcuRow, firstRow + row * rowStep);
    }
    return 0;
}

// ---- Rows ----

// The current row of component `index` at full resolution: its own plane row, or that row
// with each sample repeated across.
const uint8_t* JpegDecoder::componentRow(const RowScratch& rows, int rowInMcuRow, int index) const {
    const Component& c = components_[index];
    const uint8_t* samples = rows.planes[index] + (rowInMcuRow / c.vRatio) * c.planeStride;
    if (c.hRatio == 1) return samples;
    uint8_t* full = rows.fullRows[index];
    for (int x = 0, source = 0; x < width_; x += c.hRatio, ++source)
        std::memset(full + x, samples[source], c.hRatio);
    return full;
}

void JpegDecoder::outputRow(const RowScratch& rows, int rowInMcuRow, const uint8_t*& row,
                            int& rowBytes) const {
    rowBytes = rowBytes_;
    if (colour_ == kColourGrey) {
        row = rows.planes[0] + rowInMcuRow * components_[0].planeStride;
        return;
    }
    row = rows.rowBuffer;
    if (fastColourPath()) {
        const Component& cb = components_[1];
        const int chromaRow = rowInMcuRow / cb.vRatio;
        convertRow_(rows.planes[0] + rowInMcuRow * components_[0].planeStride,
                    rows.planes[1] + chromaRow * cb.planeStride,
                    rows.planes[2] + chromaRow * components_[2].planeStride, rows.rowBuffer, width_,
                    cb.hRatio - 1);
        return;
    }
    const uint8_t* first = componentRow(rows, rowInMcuRow, 0);
    const uint8_t* second = componentRow(rows, rowInMcuRow, 1);
    const uint8_t* third = componentRow(rows, rowInMcuRow, 2);
    if (colour_ == kColourRgb) {
        for (int x = 0; x < width_; ++x) {
            rows.rowBuffer[4 * x] = first[x];
            rows.rowBuffer[4 * x + 1] = second[x];
            rows.rowBuffer[4 * x + 2] = third[x];
            rows.rowBuffer[4 * x + 3] = 0;
        }
        return;
    }
    if (colour_ != kColourCmyk && colour_ != kColourInvertedCmyk) {
        convertRow_(first, second, third, rows.rowBuffer, width_, 0);
        if (colour_ == kColourYCbCr) return;
    }
    const uint8_t* black = componentRow(rows, rowInMcuRow, 3);
    uint8_t* out = rows.rowBuffer;
    for (int x = 0; x < width_; ++x, out += 4) {
        // Ink amounts as Adobe stores them (255 = no ink), whatever the coding.
        int ink[3], white;
        if (colour_ == kColourYcck) {
            for (int i = 0; i < 3; ++i) ink[i] = 255 - out[i];
            white = black[x];
        } else if (colour_ == kColourInvertedCmyk) {
            ink[0] = first[x];
            ink[1] = second[x];
            ink[2] = third[x];
            white = black[x];
        } else {
            ink[0] = 255 - first[x];
            ink[1] = 255 - second[x];
            ink[2] = 255 - third[x];
            white = 255 - black[x];
        }
        for (int i = 0; i < 3; ++i) out[i] = static_cast<uint8_t>((ink[i] * white + 127) / 255);
        out[3] = 0;
    }
}

// Decodes the next MCU row when the current one is used up.
void JpegDecoder::prepareRow() {
    if (rowInMcuRow_ != mcuHeight_) return;
    if (progressive_) {
        transformProgressiveMcuRow(mcuRow_, rows_.planes);
    } else {
        decodeSequentialMcuRow();
        if (rowsLeft_ <= mcuHeight_) readMarker();
    }
    ++mcuRow_;
    rowInMcuRow_ = 0;
}

void JpegDecoder::outputBgrRow(const RowScratch& rows, int rowInMcuRow, uint8_t* bgr) const {
    if (colour_ == kColourGrey) {
        jpegStoreGreyBgr(rows.planes[0] + rowInMcuRow * components_[0].planeStride, bgr, width_);
    } else if (fastColourPath()) {
        const Component& cb = components_[1];
        const int chromaRow = rowInMcuRow / cb.vRatio;
        convertRowBgr_(rows.planes[0] + rowInMcuRow * components_[0].planeStride,
                       rows.planes[1] + chromaRow * cb.planeStride,
                       rows.planes[2] + chromaRow * components_[2].planeStride, bgr, width_,
                       cb.hRatio - 1);
    } else {
        const uint8_t* row = nullptr;
        int rowBytes = 0;
        outputRow(rows, rowInMcuRow, row, rowBytes);
        storeBgr_(row, bgr, width_);
    }
}

int JpegDecoder::decodeLine(const uint8_t*& row, int& rowBytes) {
    if (errorCode_ != 0 || !begun_) return -1;
    if (rowsLeft_ == 0) return 1;
    if (setjmp(failure_)) return kJpegCorruptData;
    prepareRow();
    outputRow(rows_, rowInMcuRow_, row, rowBytes);
    ++rowInMcuRow_;
    --rowsLeft_;
    return 0;
}

int JpegDecoder::decodeLineBgr(uint8_t* bgr) {
    if (errorCode_ != 0 || !begun_) return -1;
    if (rowsLeft_ == 0) return 1;
    if (setjmp(failure_)) return kJpegCorruptData;
    prepareRow();
    outputBgrRow(rows_, rowInMcuRow_, bgr);
    ++rowInMcuRow_;
    --rowsLeft_;
    return 0;
}
