#include "image/jpeg/JpegDecoder.h"

#include "image/ZeroedMemory.h"
#include "image/jpeg/JpegCoding.h"
#include "image/jpeg/JpegError.h"
#include "image/jpeg/JpegSimd.h"
#include "image/jpeg/JpegSource.h"

#include <cstdlib>
#include <cstring>

using namespace jpeg;

namespace {
constexpr int kSoiSearchBytes = 511;
// The Adobe segment: identifier, version, two flag words, then the colour transform.
constexpr uint8_t kAdobeIdentifier[5] = {'A', 'd', 'o', 'b', 'e'};
constexpr int kAdobeSegmentBytes = 12;
} // namespace

JpegDecoder::JpegDecoder(JpegSource* source, bool useSimd) : source_(source), useSimd_(useSimd) {
    const JpegKernels& kernels = jpegKernels(useSimd ? jpegSimdLevel() : JpegSimdLevel::None);
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
    else if (marker == kMarkerSof9 || marker == kMarkerSof10)
        fail(kJpegArithmeticCoding);
    else
        fail(kJpegFrameTypeUnsupported);
    readFrame();
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
    if (setjmp(failure_)) {
        // Not fatal: the next row passes over the wrong marker.
        if (errorCode_ == kJpegRestartMarkerInvalid) errorCode_ = 0;
        return -1;
    }
    if (!progressive_ && restartInterval_ != 0 && restartsLeft_ == 0 &&
        rowInMcuRow_ == mcuHeight_ && rowsLeft_ > 0) {
        processRestart();
        bits_ = {0, 0};
    }
    return 0;
}
