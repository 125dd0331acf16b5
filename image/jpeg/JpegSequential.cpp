#include "image/jpeg/JpegCoding.h"
#include "image/jpeg/JpegDecoder.h"
#include "image/jpeg/JpegEntropy.h"
#include "image/jpeg/JpegIdct.h"

#include <cstring>

using namespace jpeg;

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
// After a resynchronisation the row goes on from the MCU where it failed.
void JpegDecoder::decodeSequentialMcuRow() {
    int16_t* const blocks = mcuCoefficients_;
    Bits bits = bits_;
    for (int mcu = mcuInRow_; mcu < mcusPerRow_; ++mcu) {
        mcuInRow_ = mcu;
        if (lostMcus_ > 0) {
            --lostMcus_;
            fillLostMcu(mcu);
            continue;
        }
        countRestart(bits);
        for (int b = 0; b < blocksPerMcu_; ++b)
            decodeSequentialBlock(bits, blocks + b * 64, blockEnds_[b],
                                  components_[mcuBlockComponent_[b]]);
        for (int b = 0; b < blocksPerMcu_; ++b) {
            const Component& c = components_[mcuBlockComponent_[b]];
            const int16_t* block = blocks + b * 64;
            const int end = blockEnds_[b];
            uint8_t* out = sequentialBlockOut(mcu, b);
            if (end <= 1)
                jpegIdctDcOnly(block[0], out, c.planeStride);
            else if (end <= kSparseEnd)
                idctSparse_(block, out, c.planeStride);
            else
                idct_(block, out, c.planeStride);
        }
    }
    mcuInRow_ = 0;
    bits_ = bits;
}

// Where block `block` of MCU `mcu` of the current row goes.
uint8_t* JpegDecoder::sequentialBlockOut(int mcu, int block) const {
    const Component& c = components_[mcuBlockComponent_[block]];
    return rows_.planes[mcuBlockComponent_[block]] + mcuBlockRow_[block] * 8 * c.planeStride +
           (mcu * c.hSamples + mcuBlockColumn_[block]) * 8;
}

// An MCU whose data was lost: mid-grey, as blocks without coefficients are.
void JpegDecoder::fillLostMcu(int mcu) {
    for (int b = 0; b < blocksPerMcu_; ++b)
        jpegIdctDcOnly(0, sequentialBlockOut(mcu, b),
                       components_[mcuBlockComponent_[b]].planeStride);
}
