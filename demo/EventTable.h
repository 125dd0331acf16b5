// The timeline of a demo: a fixed table of events in definition order until sorted by
// time, with the index of the next event to fire by time. Firing walks the event's
// element through the host, so an event can do whatever the script can, including
// defining further events (appended) or firing others by simulated key presses.
#pragma once

#include "demo/Event.h"

#include <cstdint>
#include <memory>

class DemoHost;
struct ScriptNode;

class EventTable {
public:
    static constexpr uint32_t kCapacity = 4096;

    EventTable();

    // Appends the event an `event` element defines: `key` (first character, and makes it
    // key-only), `time`, `bank`, applied in document order; a timed event's time counts
    // from the start of the parts it lies in. -1 with a log line when full.
    int define(ScriptNode& element);
    // Stable sort by time, ascending; logs one line per event.
    void sort();
    // Fires, in table order, the events not fired yet whose time lies in 0..frameStartTime.
    void forwardPass(float frameStartTime, DemoHost& host);
    // Fires again every event whose time lies in 0..time and moves the next index onto the
    // last of them, so it fires once more in the following forward pass.
    void seekPass(float time, DemoHost& host);
    // Fires again every event whose time lies in 0..time and moves the next index past the
    // last of them (to the start when there is none), so the events after `time` fire
    // again as the demo plays on, also after a jump backwards.
    void jumpPass(float time, DemoHost& host);
    // Fires every event bound to `character` in `bank` or in every bank.
    void fireKey(int32_t character, int32_t bank, DemoHost& host);
    void clear();
    // Time of the event whose element is being walked by a pass; negative outside a pass
    // and for events fired by a key.
    float firingTime() const { return firing_; }

    uint32_t count() const { return count_; }
    uint32_t nextIndex() const { return next; }
    const Event& operator[](uint32_t index) const { return events[index]; }

private:
    void fire(uint32_t index, float time, DemoHost& host);

    std::unique_ptr<Event[]> events;
    uint32_t count_ = 0;
    uint32_t next = 0;
    float firing_ = Event::kKeyOnlyTime;
};
