// A whole data file in memory, found by the data locator rule and served as a stream.
// A zero byte follows the loaded bytes (not counted in size()), so text searches stop
// at the end of the file.
#pragma once

#include "io/MemoryStream.h"

class DataFile : public MemoryStream {
public:
    // Prints "load[%s]\n" with the complete path; a missing, empty or unreadable file
    // gives an empty stream.
    explicit DataFile(const char* fileName);
    ~DataFile() override;

    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;
};
