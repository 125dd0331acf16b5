#include "image/jpeg/JpegCoding.h"
#include "image/jpeg/JpegDecoder.h"
#include "image/jpeg/JpegEntropy.h"
#include "image/jpeg/JpegIdct.h"

#include <cstdlib>
#include <memory>

using namespace jpeg;

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
        if (receiveBits(bits, 1)) block[0] = wrap16(block[0] | (1 << approximationLow_));
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
                endOfBandRun_ = (1 << run) - 1 + receiveBits(bits, run);
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
        if (receiveBits(bits, 1) && (coefficient & plus) == 0)
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
                value = receiveBits(bits, 1) ? plus : minus;
            } else if (run != 15) {
                endOfBandRun_ = (1 << run) + receiveBits(bits, run);
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
