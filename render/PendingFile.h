// The video's file while it is written: a temporary file in the target's folder (so the
// rename stays on one file system), renamed over the target only once it is complete and
// on the disk. Until then an earlier file of that name is untouched, and a render that
// fails or is stopped leaves neither a broken file nor the temporary one behind.
#pragma once

#include <cstddef>
#include <string>

class PendingFile {
public:
    PendingFile() = default;
    // Removes the temporary file unless it was committed.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Makes the temporary file for `target`: -1 with the reason in `message` when the
    // target is a folder or its folder cannot take a new file.
    int create(const char* target, char* message, size_t messageSize);
    // Where to write; empty before create() and after commit() or abandon().
    const std::string& path() const { return temporary_; }
    // path() as FFmpeg's file functions take it: in UTF-8 on Windows, whose narrow file
    // names are in the system's code page; the bytes as they are elsewhere.
    std::string utf8Path() const;
    // Flushes the written file to the disk and renames it over the target: -1 with the
    // reason (the temporary file removed) when that fails.
    int commit(char* message, size_t messageSize);
    void abandon();

private:
    std::string target_;
    std::string temporary_;
};
