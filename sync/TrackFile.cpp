#include "sync/TrackFile.h"

#include "io/DataFile.h"
#include "io/DataLocator.h"
#include "sync/SyncTrack.h"
#include "sync/TrackFileName.h"
#include "sync/TrackText.h"
#include <vornex/HostLog.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr size_t kKeyBytes = 9;

uint32_t readUint32(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

void writeUint32(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

// The file name in the data tree and its path below the working directory.
bool locate(const char* base, const SyncTrack& track, char* name, char* path) {
    if (trackFileName(base, track.name(), name, DataLocator::kPathSize) &&
        DataLocator::resolve(name, path))
        return true;
    hostLog("ERROR sync: no file name for track [%s] with base [%s]", track.name(), base);
    return false;
}

} // namespace

int parseTrackFile(const uint8_t* bytes, size_t size, SyncTrack& track, char* message,
                   size_t messageSize) {
    if (size < 4) {
        std::snprintf(message, messageSize, "%zu bytes, shorter than a key count", size);
        return -1;
    }
    const int32_t count = static_cast<int32_t>(readUint32(bytes));
    if (count < 0 || static_cast<uint32_t>(count) > SyncTrack::kMaxKeys) {
        std::snprintf(message, messageSize, "key count %d outside 0..%u", count,
                      SyncTrack::kMaxKeys);
        return -1;
    }
    const size_t expected = 4 + static_cast<size_t>(count) * kKeyBytes;
    if (size != expected) {
        std::snprintf(message, messageSize, "%d keys take %zu bytes, the file has %zu", count,
                      expected, size);
        return -1;
    }
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t interpolation = bytes[4 + i * kKeyBytes + 8];
        if (interpolation > kSyncRamp) {
            std::snprintf(message, messageSize, "key %d has unknown interpolation %u", i,
                          interpolation);
            return -1;
        }
        const uint32_t valueBits = readUint32(bytes + 4 + i * kKeyBytes + 4);
        float value;
        std::memcpy(&value, &valueBits, sizeof value);
        if (!std::isfinite(value)) {
            std::snprintf(message, messageSize, "key %d has a value that is not a finite number",
                          i);
            return -1;
        }
    }
    track.clear();
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* key = bytes + 4 + i * kKeyBytes;
        const uint32_t valueBits = readUint32(key + 4);
        SyncKey parsed = {static_cast<int32_t>(readUint32(key)), 0.0f, key[8]};
        std::memcpy(&parsed.value, &valueBits, sizeof parsed.value);
        track.setKey(parsed); // cannot fail: count, interpolation and value were checked
    }
    return 0;
}

bool trackFilePaths(const char* base, const char* trackName, char* binaryPath, char* textPath) {
    char name[DataLocator::kPathSize];
    if (!trackFileName(base, trackName, name, sizeof name) ||
        !DataLocator::resolve(name, binaryPath))
        return false;
    const int written = std::snprintf(textPath, DataLocator::kPathSize, "%s.txt", binaryPath);
    return written > 0 && static_cast<size_t>(written) < DataLocator::kPathSize;
}

int loadTrackFile(const char* base, SyncTrack& track) {
    char name[DataLocator::kPathSize];
    char path[DataLocator::kPathSize];
    if (!locate(base, track, name, path)) return -1;
    std::error_code error;
    const bool binary = std::filesystem::exists(path, error);
    if (!binary) {
        // The text form, which authors write by hand: "<file>.txt" beside the binary one.
        const size_t nameLength = std::strlen(name);
        const size_t pathLength = std::strlen(path);
        if (nameLength + 4 >= sizeof name || pathLength + 4 >= sizeof path) return -1;
        std::memcpy(name + nameLength, ".txt", 5);
        std::memcpy(path + pathLength, ".txt", 5);
        if (!std::filesystem::exists(path, error)) return -1;
    }
    DataFile file(name);
    char message[128];
    const int parsed =
        binary ? parseTrackFile(file.data(), file.size(), track, message, sizeof message)
               : parseTrackText(file.data(), file.size(), track, message, sizeof message);
    if (parsed != 0) {
        hostLog("ERROR sync: %s: %s; track [%s] left as it was", path, message, track.name());
        return -1;
    }
    hostLog("sync: track [%s], %u keys from %s", track.name(), track.keyCount(), path);
    return 0;
}

int saveTrackFile(const char* base, const SyncTrack& track) {
    char name[DataLocator::kPathSize];
    char path[DataLocator::kPathSize];
    if (!locate(base, track, name, path)) return -1;
    char partial[DataLocator::kPathSize + 8];
    std::snprintf(partial, sizeof partial, "%s.part", path);
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    FILE* out = std::fopen(partial, "wb");
    if (!out) {
        hostLog("ERROR sync: cannot write %s", partial);
        return -1;
    }
    uint8_t record[kKeyBytes];
    writeUint32(record, track.keyCount());
    bool written = std::fwrite(record, 4, 1, out) == 1;
    for (uint32_t i = 0; i < track.keyCount() && written; ++i) {
        const SyncKey& key = track.key(i);
        uint32_t valueBits = 0;
        std::memcpy(&valueBits, &key.value, sizeof valueBits);
        writeUint32(record, static_cast<uint32_t>(key.row));
        writeUint32(record + 4, valueBits);
        record[8] = key.interpolation;
        written = std::fwrite(record, kKeyBytes, 1, out) == 1;
    }
    written = std::fclose(out) == 0 && written;
    if (written) std::filesystem::rename(partial, path, error);
    if (!written || error) {
        std::remove(partial);
        hostLog("ERROR sync: cannot write %s", path);
        return -1;
    }
    return 0;
}
