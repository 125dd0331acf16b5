#include "sync/SyncTrack.h"

#include <cmath>
#include <cstring>

SyncTrack::SyncTrack() : keys_(new SyncKey[kMaxKeys]) {}

int SyncTrack::setName(const char* name) {
    if (!name || std::strlen(name) >= kNameSize) return -1;
    std::strcpy(name_, name);
    return 0;
}

uint32_t SyncTrack::lowerBound(int32_t row) const {
    uint32_t low = 0;
    uint32_t high = count_;
    while (low < high) {
        const uint32_t middle = low + (high - low) / 2;
        if (keys_[middle].row < row)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int SyncTrack::setKey(const SyncKey& key) {
    if (key.interpolation > kSyncRamp || !std::isfinite(key.value)) return -1;
    const uint32_t at = lowerBound(key.row);
    if (at < count_ && keys_[at].row == key.row) {
        keys_[at] = key;
        return 0;
    }
    if (count_ >= kMaxKeys) return -1;
    std::memmove(&keys_[at + 1], &keys_[at], (count_ - at) * sizeof(SyncKey));
    keys_[at] = key;
    ++count_;
    return 0;
}

int SyncTrack::deleteKey(int32_t row) {
    const uint32_t at = lowerBound(row);
    if (at >= count_ || keys_[at].row != row) return -1;
    std::memmove(&keys_[at], &keys_[at + 1], (count_ - at - 1) * sizeof(SyncKey));
    --count_;
    return 0;
}

float SyncTrack::value(double row) const {
    if (count_ == 0) return 0.0f;
    if (row <= keys_[0].row) return keys_[0].value;
    if (row >= keys_[count_ - 1].row) return keys_[count_ - 1].value;
    // The key at or before `row`: row lies strictly inside the keys' span here.
    uint32_t low = 0;
    uint32_t high = count_ - 1;
    while (high - low > 1) {
        const uint32_t middle = low + (high - low) / 2;
        if (keys_[middle].row <= row)
            low = middle;
        else
            high = middle;
    }
    const SyncKey& from = keys_[low];
    const SyncKey& to = keys_[low + 1];
    double t = (row - from.row) / (static_cast<double>(to.row) - from.row);
    switch (from.interpolation) {
    case kSyncStep:
        return from.value;
    case kSyncSmooth:
        t = t * t * (3.0 - 2.0 * t);
        break;
    case kSyncRamp:
        t = t * t;
        break;
    default:
        break;
    }
    return static_cast<float>(from.value + (static_cast<double>(to.value) - from.value) * t);
}
