#include "image/jpeg/JpegError.h"

const char* jpegErrorReason(int code) {
    switch (code) {
    case kJpegOk:
        return "";
    case kJpegHuffmanCountsTooLarge:
        return "Huffman table with more than 255 codes";
    case kJpegHuffmanSlotInvalid:
        return "Huffman table number out of range";
    case kJpegHuffmanSegmentShort:
        return "Huffman table segment too short";
    case kJpegQuantSegmentShort:
        return "quantisation segment length invalid";
    case kJpegQuantTableInvalid:
        return "quantisation table number out of range";
    case kJpegPrecisionUnsupported:
        return "12-bit JPEG not supported";
    case kJpegHeightInvalid:
        return "JPEG height 0 or above 8192";
    case kJpegWidthInvalid:
        return "JPEG width 0 or above 8192";
    case kJpegTooManyComponents:
        return "JPEG with more than 4 components";
    case kJpegFrameLengthInvalid:
        return "frame header length invalid";
    case kJpegSegmentLengthInvalid:
        return "marker segment length invalid";
    case kJpegRestartLengthInvalid:
        return "restart interval segment length invalid";
    case kJpegScanHeaderInvalid:
        return "scan header invalid";
    case kJpegScanComponentUnknown:
        return "scan names an unknown component";
    case kJpegArithmeticCoding:
        return "arithmetic-coded JPEG not supported";
    case kJpegUnexpectedMarker:
        return "unexpected marker or missing scan";
    case kJpegNoStart:
        return "no JPEG start-of-image marker";
    case kJpegFrameTypeUnsupported:
        return "lossless or hierarchical JPEG not supported";
    case kJpegQuantTableShort:
        return "quantisation table segment too short";
    case kJpegTooManyMemoryBlocks:
        return "JPEG needs too many memory blocks";
    case kJpegQuantTableMissing:
        return "quantisation table missing";
    case kJpegHuffmanTableMissing:
        return "Huffman table missing";
    case kJpegComponentCountUnsupported:
        return "2-component JPEG not supported";
    case kJpegSamplingUnsupported:
        return "JPEG sampling factors not supported";
    case kJpegCorruptData:
        return "corrupt JPEG data";
    case kJpegRestartMarkerInvalid:
        return "restart marker missing or out of order";
    case kJpegTooManyBlocks:
        return "JPEG too wide for its sampling, or block out of range";
    case kJpegSpectralSelectionInvalid:
        return "progressive scan with invalid spectral selection";
    case kJpegSuccessiveApproximationInvalid:
        return "progressive scan with invalid successive approximation";
    case kJpegReadError:
        return "JPEG read error";
    case kJpegOutOfMemory:
        return "out of memory decoding JPEG";
    default:
        return "unknown JPEG error";
    }
}
