#include "ScriptText.h"
#include "TempDir.h"
#include "demo/EventTable.h"
#include "demo/KeyBank.h"
#include "log/Log.h"
#include <vornex/DemoHost.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Records the `id` attribute of every walked element.
class WalkRecorder : public DemoHost {
public:
    int walk(ScriptNode* element) override {
        const char* id = nullptr;
        element->getString("id", id);
        walked += std::string(id ? id : "?") + " ";
        return 0;
    }
    bool seeking() override { return false; }
    float time() override { return 0.0f; }
    float width() override { return 0.0f; }
    float height() override { return 0.0f; }
    int pluginCount() override { return 0; }
    uint32_t effectCount() override { return 0; }
    Effect* effect(uint32_t) override { return nullptr; }
    Texture* loadTexture(const char*) override { return nullptr; }
    Camera* getCamera(const char*) override { return nullptr; }
    Texture* createTexture(int, int, int, bool, const char*) override { return nullptr; }
    Image* loadImage(const char*) override { return nullptr; }
    int32_t syncTrack(const char*) override { return -1; }
    float syncValue(int32_t) override { return 0.0f; }

    std::string walked;
};

class EventTimeline : public ::testing::Test {
protected:
    void SetUp() override {
        Log& log = Log::instance();
        log.setFormat(0);
        log.setOutputs(LOG_TO_FILE);
        log.setFileName(dir.file("log.txt").c_str());
        log.setEnabled(true);
    }
    void TearDown() override { Log::instance().setEnabled(false); }

    // Defines every child of the first element as an event.
    void define(const std::string& children) {
        ASSERT_EQ(parseScript(document, "<demo>" + children + "</demo>"), 0);
        for (ScriptNode* child : document.children[0]->children) table.define(*child);
    }

    TempDir dir;
    ScriptDocument document;
    EventTable table;
    WalkRecorder host;
};

} // namespace

TEST_F(EventTimeline, AttributesApplyInDocumentOrder) {
    define("<event id=\"plain\"/>"
           "<event id=\"both\" key=\"a\" time=\"5\"/>"
           "<event id=\"keyOnly\" time=\"5\" key=\"a\" bank=\"3\"/>"
           "<event id=\"high\" key=\"\xe9\"/>");
    ASSERT_EQ(table.count(), 4u);
    EXPECT_EQ(table[0].time, 0.0f);
    EXPECT_EQ(table[0].trigger, 0);
    EXPECT_EQ(table[0].bank, -1);
    EXPECT_EQ(table[1].time, 5.0f);
    EXPECT_EQ(table[1].trigger, 'a');
    EXPECT_EQ(table[2].time, Event::kKeyOnlyTime);
    EXPECT_EQ(table[2].bank, 3);
    EXPECT_EQ(table[3].trigger, -23); // signed character, sign-extended
}

TEST_F(EventTimeline, SortIsStableAndLogsEveryEvent) {
    define("<event id=\"late\" time=\"2\"/><event id=\"k\" key=\"x\"/><event id=\"first1\" "
           "time=\"1\"/>"
           "<event id=\"first2\" time=\"1\"/><event id=\"zero\"/>");
    table.sort();
    table.forwardPass(100.0f, host);
    // The key-only event sorts first and never fires by time.
    EXPECT_EQ(host.walked, "zero first1 first2 late ");
    EXPECT_EQ(dir.read("log.txt"), "event0 - -10.000\r\nevent1 - 0.000\r\nevent2 - 1.000\r\n"
                                   "event3 - 1.000\r\nevent4 - 2.000\r\n");
}

TEST_F(EventTimeline, ForwardPassFiresEachEventOnceWhenItsTimeIsReached) {
    define("<event id=\"a\"/><event id=\"b\" time=\"0.5\"/><event id=\"c\" time=\"1\"/>");
    table.forwardPass(0.0f, host);
    EXPECT_EQ(host.walked, "a ");
    table.forwardPass(0.9f, host);
    EXPECT_EQ(host.walked, "a b ");
    table.forwardPass(0.9f, host);
    EXPECT_EQ(host.walked, "a b ");
    table.forwardPass(1.0f, host);
    EXPECT_EQ(host.walked, "a b c ");
    EXPECT_EQ(table.nextIndex(), 3u);
}

TEST_F(EventTimeline, SeekPassRefiresUpToTheTimeAndTheLastFiresOnceMore) {
    define("<event id=\"a\" time=\"1\"/><event id=\"b\" time=\"2\"/><event id=\"c\" time=\"3\"/>");
    table.seekPass(2.5f, host);
    EXPECT_EQ(host.walked, "a b ");
    EXPECT_EQ(table.nextIndex(), 1u);
    table.forwardPass(2.5f, host);
    EXPECT_EQ(host.walked, "a b b ");
}

TEST_F(EventTimeline, SeekBeforeTheFirstEventFiresNothingAndKeepsTheIndex) {
    define("<event id=\"a\" time=\"1\"/><event id=\"b\" time=\"2\"/>");
    table.forwardPass(1.5f, host);
    table.seekPass(0.5f, host);
    EXPECT_EQ(host.walked, "a ");
    EXPECT_EQ(table.nextIndex(), 1u);
}

TEST_F(EventTimeline, JumpRefiresUpToTheTimeAndReplaysWhatFollowsEvenBackwards) {
    define("<event id=\"a\" time=\"1\"/><event id=\"b\" time=\"2\"/><event id=\"c\" time=\"3\"/>");
    table.jumpPass(2.5f, host);
    EXPECT_EQ(host.walked, "a b ");
    table.forwardPass(3.0f, host);
    EXPECT_EQ(host.walked, "a b c ");
    table.jumpPass(0.5f, host); // before every event: all of them lie ahead again
    EXPECT_EQ(table.nextIndex(), 0u);
    table.forwardPass(1.0f, host);
    EXPECT_EQ(host.walked, "a b c a ");
}

TEST_F(EventTimeline, KeysFireInTheirBankOrInEveryBankAndCompareExactly) {
    define("<event id=\"any\" key=\"a\"/><event id=\"bank3\" key=\"a\" bank=\"3\"/>"
           "<event id=\"upper\" key=\"A\"/>");
    table.fireKey('a', 0, host);
    EXPECT_EQ(host.walked, "any ");
    host.walked.clear();
    table.fireKey('a', 3, host);
    EXPECT_EQ(host.walked, "any bank3 ");
    host.walked.clear();
    table.fireKey('A', 3, host);
    EXPECT_EQ(host.walked, "upper ");
}

TEST_F(EventTimeline, AFullTableRefusesFurtherEventsWithALogLine) {
    define("<event id=\"x\"/>");
    ScriptNode& element = *document.children[0]->children[0];
    while (table.count() < EventTable::kCapacity) ASSERT_EQ(table.define(element), 0);
    EXPECT_EQ(table.define(element), -1);
    EXPECT_EQ(table.count(), EventTable::kCapacity);
    EXPECT_EQ(dir.read("log.txt"), "Event table full (4096 events): event ignored\r\n");
}

TEST_F(EventTimeline, KeyBankClampsOnlyTheResult) {
    define("<keybank set=\"15\"/><keybank set=\"5\" dec=\"8\" inc=\"4\"/><keybank dec=\"2\"/>"
           "<keybank set=\"yes\"/><keybank inc=\"2147483647\" inc=\"2147483647\" "
           "dec=\"2147483647\"/>");
    const auto& banks = document.children[0]->children;
    EXPECT_EQ(selectKeyBank(*banks[0], 0), 10);
    EXPECT_EQ(selectKeyBank(*banks[1], 0), 1);
    EXPECT_EQ(selectKeyBank(*banks[2], 1), 0);
    EXPECT_EQ(selectKeyBank(*banks[3], 7), 0);
    EXPECT_EQ(selectKeyBank(*banks[4], 0), 10);
}

TEST_F(EventTimeline, TimesInsidePartsCountFromTheirStartsWhichAddUp) {
    // Key-only events stay key-only; a timed event without `time` fires at the part's start.
    ASSERT_EQ(parseScript(document, "<demo><event id=\"outside\" time=\"3\"/>"
                                    "<part start=\"10\"><event time=\"1.5\"/><event/>"
                                    "<event key=\"x\" time=\"1\" key=\"y\"/>"
                                    "<part start=\"5\"><event time=\"-2\"/></part></part></demo>"),
              0);
    ScriptNode& demo = *document.children[0];
    table.define(*demo.children[0]);
    ScriptNode& part = *demo.children[1];
    for (size_t i = 0; i < 3; ++i) table.define(*part.children[i]);
    table.define(*part.children[3]->children[0]);
    ASSERT_EQ(table.count(), 5u);
    EXPECT_FLOAT_EQ(table[0].time, 3.0f) << "outside every part";
    EXPECT_FLOAT_EQ(table[1].time, 11.5f);
    EXPECT_FLOAT_EQ(table[2].time, 10.0f);
    EXPECT_EQ(table[3].time, Event::kKeyOnlyTime);
    EXPECT_FLOAT_EQ(table[4].time, 13.0f);
}
