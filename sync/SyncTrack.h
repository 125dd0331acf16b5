// A sync track: a named function of time made of keys (row, value, interpolation towards
// the next key), kept sorted by row in a table of fixed capacity allocated with the track.
// Before the first key the value is the first key's, from the last key on the last key's;
// a track without keys is 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// How a key's value moves towards the next key's; the numbers are those of the editor
// protocol and the track files.
enum SyncInterpolation : uint8_t {
    kSyncStep = 0,   // hold the value until the next key
    kSyncLinear = 1, // straight line
    kSyncSmooth = 2, // t*t*(3-2t)
    kSyncRamp = 3,   // t*t
};

struct SyncKey {
    int32_t row;
    float value;
    uint8_t interpolation;
};

class SyncTrack {
public:
    static constexpr uint32_t kMaxKeys = 4096;
    static constexpr size_t kNameSize = 64;

    SyncTrack();

    // Names longer than kNameSize - 1 are refused (-1): a cut name would read another file.
    int setName(const char* name);
    const char* name() const { return name_; }

    // Inserts the key, or replaces the one at the same row. -1 when the table is full, the
    // interpolation is not one of SyncInterpolation or the value is not a finite number
    // (effects would be handed "nan").
    int setKey(const SyncKey& key);
    // -1 when no key sits at `row`.
    int deleteKey(int32_t row);
    void clear() { count_ = 0; }

    // The value at a fractional row.
    float value(double row) const;

    uint32_t keyCount() const { return count_; }
    const SyncKey& key(uint32_t index) const { return keys_[index]; }

private:
    // Index of the first key whose row is not below `row` (count_ when there is none).
    uint32_t lowerBound(int32_t row) const;

    char name_[kNameSize] = {};
    std::unique_ptr<SyncKey[]> keys_;
    uint32_t count_ = 0;
};
