#include "demo/EventTable.h"

#include "demo/PartStart.h"
#include "log/Log.h"
#include <vornex/DemoHost.h>
#include <vornex/ScriptNode.h>
#include <vornex/ScriptValue.h>

#include <strings.h>

EventTable::EventTable() : events(new Event[kCapacity]) {}

int EventTable::define(ScriptNode& element) {
    if (count_ >= kCapacity) {
        Log::instance().print("Event table full (%u events): event ignored", kCapacity);
        return -1;
    }
    Event event;
    bool keyOnly = false;
    for (const ScriptAttribute* attribute : element.attributes) {
        if (strcasecmp(attribute->name, "key") == 0) {
            event.trigger = static_cast<signed char>(attribute->value[0]);
            event.time = Event::kKeyOnlyTime;
            keyOnly = true;
        } else if (strcasecmp(attribute->name, "time") == 0) {
            event.time = scriptFloat(attribute->value);
            keyOnly = false;
        } else if (strcasecmp(attribute->name, "bank") == 0) {
            event.bank = scriptInt(attribute->value);
        }
    }
    if (!keyOnly) event.time = static_cast<float>(event.time + partStart(element));
    event.element = &element;
    events[count_++] = event;
    return 0;
}

void EventTable::sort() {
    // Insertion sort: stable like the neighbour-swapping passes it stands for, in place.
    for (uint32_t i = 1; i < count_; ++i) {
        const Event moving = events[i];
        uint32_t j = i;
        while (j > 0 && events[j - 1].time > moving.time) {
            events[j] = events[j - 1];
            --j;
        }
        events[j] = moving;
    }
    for (uint32_t i = 0; i < count_; ++i)
        // Compared by scripts and tests: keep the text exactly.
        Log::instance().print("event%i - %3.3f", static_cast<int>(i),
                              static_cast<double>(events[i].time));
}

void EventTable::forwardPass(float frameStartTime, DemoHost& host) {
    while (next < count_ && events[next].time < 0.0f) ++next;
    while (next < count_ && events[next].time >= 0.0f && events[next].time <= frameStartTime) {
        // Advance first: the walk may reposition or extend the table.
        const uint32_t firing = next++;
        fire(firing, events[firing].time, host);
    }
}

void EventTable::seekPass(float time, DemoHost& host) {
    for (uint32_t i = 0; i < count_; ++i) {
        if (events[i].time >= 0.0f && events[i].time <= time) {
            // Before the walk: a `run` in the event plays on from here.
            next = i;
            fire(i, events[i].time, host);
        }
    }
}

void EventTable::jumpPass(float time, DemoHost& host) {
    next = 0;
    for (uint32_t i = 0; i < count_; ++i) {
        if (events[i].time >= 0.0f && events[i].time <= time) {
            // Before the walk: a `run` in the event plays on from the events after it.
            next = i + 1;
            fire(i, events[i].time, host);
        }
    }
}

void EventTable::fireKey(int32_t character, int32_t bank, DemoHost& host) {
    for (uint32_t i = 0; i < count_; ++i)
        if (events[i].trigger == character && (events[i].bank == bank || events[i].bank == -1))
            fire(i, Event::kKeyOnlyTime, host);
}

void EventTable::fire(uint32_t index, float time, DemoHost& host) {
    // Restored afterwards: the walk may fire other events through simulated keys.
    const float outer = firing_;
    firing_ = time;
    host.walk(events[index].element);
    firing_ = outer;
}

void EventTable::clear() {
    count_ = 0;
    next = 0;
}
