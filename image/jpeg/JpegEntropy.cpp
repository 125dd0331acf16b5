#include "image/jpeg/JpegEntropy.h"
#include "image/jpeg/JpegCoding.h"
#include "image/jpeg/JpegDecoder.h"

#include <cstring>

using namespace jpeg;

namespace {
constexpr int kRestartSearchBytes = 1536;
} // namespace

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

void JpegDecoder::startEntropy() {
    for (Component& component : components_) component.dcPredictor = 0;
    endOfBandRun_ = 0;
    restartsLeft_ = restartInterval_;
    nextRestart_ = 0;
    bits_ = {0, 0};
    markerReached_ = false;
}

// Skips what is left of the interval and fill bytes up to the marker, which is taken only
// when it is the one due, so that resynchronise() can look at any other.
void JpegDecoder::processRestart() {
    markerReached_ = false;
    int budget = kRestartSearchBytes;
    for (; peekByte(0) != 0xFF; ++inputPosition_)
        if (--budget <= 0) fail(kJpegRestartMarkerInvalid);
    for (; peekByte(1) == 0xFF; ++inputPosition_)
        if (--budget <= 0) fail(kJpegRestartMarkerInvalid);
    if (peekByte(1) != kMarkerRst0 + nextRestart_) fail(kJpegRestartMarkerInvalid);
    inputPosition_ += 2;
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

// The damaged interval's MCUs from the one that failed are lost; a restart marker whose
// number is up to three ahead of the one due tells that so many whole intervals were lost
// too, and one behind it (from data read wrongly before) is passed over with its data.
bool JpegDecoder::resynchronise() {
    const bool wrongMarker = errorCode_ == kJpegRestartMarkerInvalid;
    if (progressive_ || restartInterval_ == 0 || (!wrongMarker && errorCode_ != kJpegCorruptData))
        return false;
    errorCode_ = 0;
    ++resynchronisations_;
    const int64_t mcusLeft =
        int64_t(mcusPerRow_) * mcusPerColumn_ - (int64_t(mcuRow_) * mcusPerRow_ + mcuInRow_);
    // A wrong marker fails before the next interval's first MCU: nothing of it is lost yet.
    int64_t lost = wrongMarker ? 0 : restartsLeft_ + 1;
    for (;;) {
        skipEntropyData();
        while (peekByte(1) == 0xFF) ++inputPosition_;
        const int marker = peekByte(1);
        if (marker < kMarkerRst0 || marker > kMarkerRst7) {
            lost = mcusLeft;
            break;
        }
        inputPosition_ += 2;
        const int ahead = (marker - kMarkerRst0 - nextRestart_) & 7;
        if (ahead > 3) continue;
        lost += int64_t(ahead) * restartInterval_;
        nextRestart_ = (marker - kMarkerRst0 + 1) & 7;
        break;
    }
    lostMcus_ = lost < mcusLeft ? lost : mcusLeft;
    for (Component& component : components_) component.dcPredictor = 0;
    restartsLeft_ = restartInterval_;
    bits_ = {0, 0};
    markerReached_ = false;
    // The failed MCU's blocks may hold coefficients their recorded ends do not cover.
    std::memset(blockEnds_, 64, sizeof(blockEnds_));
    return true;
}
