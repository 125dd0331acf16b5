#include "image/JpegSimd.h"

#include "image/JpegColour.h"
#include "image/JpegIdct.h"

JpegIdctFunction jpegSimdIdct() {
    return jpegIdct;
}

JpegConvertRowFunction jpegSimdConvertRow() {
    return jpegConvertRow;
}
