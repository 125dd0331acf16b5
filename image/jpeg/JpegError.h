// Failure codes of the JPEG decoder. Codes -214, -220 and -224 are not used.
#pragma once

enum JpegError : int {
    kJpegOk = 0,
    kJpegHuffmanCountsTooLarge = -200,
    kJpegHuffmanSlotInvalid = -201,
    kJpegHuffmanSegmentShort = -202,
    kJpegQuantSegmentShort = -203,
    kJpegQuantTableInvalid = -204,
    kJpegPrecisionUnsupported = -205,
    kJpegHeightInvalid = -206,
    kJpegWidthInvalid = -207,
    kJpegTooManyComponents = -208,
    kJpegFrameLengthInvalid = -209,
    kJpegSegmentLengthInvalid = -210,
    kJpegRestartLengthInvalid = -211,
    kJpegScanHeaderInvalid = -212,
    kJpegScanComponentUnknown = -213,
    kJpegArithmeticCoding = -215,
    kJpegUnexpectedMarker = -216,
    kJpegNoStart = -217,
    kJpegFrameTypeUnsupported = -218,
    kJpegQuantTableShort = -219,
    kJpegTooManyMemoryBlocks = -221,
    kJpegQuantTableMissing = -222,
    kJpegHuffmanTableMissing = -223,
    kJpegComponentCountUnsupported = -225,
    kJpegSamplingUnsupported = -226,
    kJpegCorruptData = -227,
    kJpegRestartMarkerInvalid = -228,
    kJpegTooManyBlocks = -229,
    kJpegSpectralSelectionInvalid = -230,
    kJpegSuccessiveApproximationInvalid = -231,
    kJpegReadError = -232,
    kJpegOutOfMemory = -233,
};

// A short text for `code` that completes "image <name>: ...", distinct for every code;
// empty for kJpegOk.
const char* jpegErrorReason(int code);
