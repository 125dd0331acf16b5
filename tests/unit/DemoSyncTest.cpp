// Sync tracks in a running demo: read from their files, fed to effect parameters by
// `drive` elements and read by effects through the host; and the demo following a
// stand-in editor (keys, seek with events, pause, row reports, save), then playing the
// same from the saved files.
#include "DemoFixture.h"
#include "EditorStandIn.h"
#include "TrackFileBytes.h"
#include "demo/SyncLink.h"

#include <algorithm>
#include <cstdio>

namespace {

// Records every attribute it is configured with, and the track "fade" it reads itself.
// Drawing moves the fake clock past the frame pacing, so it can be the loading screen.
class TrackReader : public Effect {
public:
    explicit TrackReader(std::vector<std::string>& calls) : calls(calls) {}
    int load() override {
        fade = host->syncTrack("fade");
        return 0;
    }
    void update(float) override {
        char line[64];
        std::snprintf(line, sizeof line, "t=%.2f fade=%.4f", static_cast<double>(host->time()),
                      static_cast<double>(host->syncValue(fade)));
        calls.push_back(line);
    }
    void draw() override { native::fake::advanceTickCount(cDemo::kMinimumFrameMilliseconds); }
    void configure(ScriptNode* element) override {
        for (const ScriptAttribute* attribute : element->attributes)
            calls.push_back(std::string(attribute->name) + "=" + attribute->value);
    }

private:
    std::vector<std::string>& calls;
    int32_t fade = -1;
};

// 16 rows a second; a quarter second (4 rows) a frame.
const char kSettings[] = "<demo lockfps=\"4\"><sync bpm=\"120\" rowsperbeat=\"8\" "
                         "base=\"sync/t\"/></demo>";
const char kDrives[] = "<demo><drive effect=\"fx\" param=\"level\" tracks=\"fade\"/>"
                       "<drive effect=\"fx\" param=\"color\" tracks=\"fade, one ,fade,one\"/>"
                       "<draworder effect=\"fx\"/><load effect=\"fx\"/></demo>";

class DemoSync : public DemoFixture {
protected:
    void start() {
        walk(kSettings);
        demo->adoptEffect(new TrackReader(listed), "reader", "fx");
        walk(kDrives);
        listed.clear();
    }
    void TearDown() override {
        SyncLink::linkToEditor(false);
        DemoFixture::TearDown();
    }
};

TEST_F(DemoSync, TracksFromFilesFeedDrivesAndEffects) {
    // fade: 0 at row 0, linear to 1 at row 16; one: no file, so 0.
    dir.write("data/sync/t_fade.track", le32(2) + le32(0) + le32(0) + std::string(1, '\1') +
                                            le32(16) + le32(0x3F800000u) + std::string(1, '\0'));
    start();
    frame();
    frame();
    EXPECT_EQ(listed,
              (std::vector<std::string>{"level=0.25", "color=0.25,0,0.25,0", "t=0.25 fade=0.2500",
                                        "level=0.5", "color=0.5,0,0.5,0", "t=0.50 fade=0.5000"}));
}

TEST_F(DemoSync, BadDrivesAreRefusedWithALogLine) {
    walk(kSettings);
    demo->adoptEffect(new TrackReader(listed), "reader", "fx");
    walk("<demo><drive effect=\"nope\" param=\"a\" tracks=\"t\"/>"
         "<drive effect=\"fx\" param=\"a\" tracks=\"t,,u\"/>"
         "<drive effect=\"fx\" param=\"a\" tracks=\"a,b,c,d,e\"/>"
         "<drive effect=\"fx\" tracks=\"t\"/>"
         "<drive effect=\"fx\" param=\"a\" tracks=\"../up\"/></demo>");
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("drive: no effect [nope]"), std::string::npos);
    EXPECT_NE(log.find("drive: [a] of [fx] needs 1 to 4 track names in tracks=\"t,,u\""),
              std::string::npos);
    EXPECT_NE(log.find("tracks=\"a,b,c,d,e\""), std::string::npos);
    EXPECT_NE(log.find("drive: effect [fx] needs a param"), std::string::npos);
    EXPECT_NE(log.find("track name [../up] refused"), std::string::npos);
    listed.clear();
    frame();
    EXPECT_EQ(listed, std::vector<std::string>{}); // fx is not drawn and nothing drives it
}

TEST_F(DemoSync, ADriveOfTheSameEffectAndParameterReplacesTheOldOne) {
    start();
    // An event defining a drive fires again on every seek past it.
    walk("<demo><event time=\"0.25\"><drive effect=\"fx\" param=\"Level\" tracks=\"one\"/>"
         "</event></demo>");
    for (int i = 0; i < 2 * int(SyncLink::kMaxDrives); ++i) {
        demo->jumpTo(0.5f);
        demo->jumpTo(0.0f);
    }
    demo->jumpTo(0.5f);
    listed.clear();
    frame();
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "Level=0"), 1) << listed.size();
    EXPECT_EQ(std::count_if(listed.begin(), listed.end(),
                            [](const std::string& call) { return call.rfind("level=", 0) == 0; }),
              0);
    walk("<demo><drive effect=\"fx\" param=\"other\" tracks=\"one\"/></demo>");
    listed.clear();
    frame();
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "other=0"), 1);
    EXPECT_EQ(dir.read("log.txt").find("at most"), std::string::npos);
}

TEST_F(DemoSync, ABaseLeadingOutOfTheDataFolderIsRefused) {
    walk("<demo><sync base=\"../../outside/x\"/><sync base=\"sync/../../x\"/></demo>");
    EXPECT_STREQ(demo->sync().tracks().base(), "");
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("sync: base name [../../outside/x] refused: it must stay below data/"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("sync: base name [sync/../../x] refused"), std::string::npos) << log;
}

TEST_F(DemoSync, LinksToAnEditorStartedAfterTheDemo) {
    const uint16_t port = EditorStandIn::freePort();
    SyncLink::linkToEditor(true, port);
    start();
    for (int i = 0; i < 10; ++i) frame();
    EditorStandIn editor(port);
    // The demo tries again about once a second of the tick counter; frames are 20 ms apart.
    bool accepted = false;
    for (int i = 0; i < 100 && !accepted; ++i) {
        frame();
        accepted = editor.accept(5);
    }
    ASSERT_TRUE(accepted);
    frame();
    ASSERT_EQ(editor.read(19), "hello, synctracker!");
    editor.write("hello, demo!");
    editor.quiet(20);
    frame();
    EXPECT_EQ(editor.read(9 + 8), EditorStandIn::getTrack("fade") + EditorStandIn::getTrack("one"));
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("sync: editor linked at 127.0.0.1:"), std::string::npos) << log;
    // Failed attempts before it were one line.
    EXPECT_EQ(log.find("sync: no editor"), log.rfind("sync: no editor")) << log;
}

TEST_F(DemoSync, ASeekToTheLastRowPlaysOnAndReportsRowsTheProtocolCarries) {
    EditorStandIn editor;
    SyncLink::linkToEditor(true, editor.port());
    start();
    for (int i = 0; i < 100 && !editor.accept(); ++i) frame();
    frame();
    ASSERT_EQ(editor.read(19), "hello, synctracker!");
    editor.write("hello, demo!");
    editor.quiet(20);
    frame();
    editor.drain();
    // Played on from there, the row would no longer fit 32 bits.
    editor.write(EditorStandIn::setRow(0x7FFFFFFF));
    editor.quiet(20);
    frame();
    frame();
    EXPECT_TRUE(editor.quiet());
    editor.write(EditorStandIn::setRow(-5) + EditorStandIn::setRow(0));
    editor.quiet(20);
    frame();
    EXPECT_EQ(editor.read(5), EditorStandIn::setRow(4));
}

TEST_F(DemoSync, FollowsTheEditorThenPlaysTheSameFromTheSavedFiles) {
    EditorStandIn editor;
    SyncLink::linkToEditor(true, editor.port());
    start();
    walk("<demo><event time=\"0.4\"><fx mark=\"event\"/></event><load effect=\"fx\"/></demo>");
    for (int i = 0; i < 100 && !editor.accept(); ++i) frame();
    frame();
    ASSERT_EQ(editor.read(19), "hello, synctracker!");
    editor.write("hello, demo!");
    frame();
    EXPECT_EQ(editor.read(9 + 8), EditorStandIn::getTrack("fade") + EditorStandIn::getTrack("one"));
    editor.drain(); // the rows played so far

    editor.write(EditorStandIn::pause(true) + EditorStandIn::setKey(0, 0, 0.0f, 1) +
                 EditorStandIn::setKey(0, 16, 1.0f, 0) + EditorStandIn::setKey(1, 0, 2.0f, 0) +
                 EditorStandIn::setRow(8));
    editor.quiet(20);
    listed.clear();
    frame();
    // The seek re-fired the event before the frame; paused, the time holds at row 8.
    EXPECT_EQ(listed, (std::vector<std::string>{"mark=event", "level=0.5", "color=0.5,2,0.5,2",
                                                "t=0.50 fade=0.5000"}));
    listed.clear();
    frame();
    EXPECT_EQ(listed[2], "t=0.50 fade=0.5000");
    EXPECT_TRUE(editor.quiet()); // no rows while paused

    editor.write(EditorStandIn::pause(false) + EditorStandIn::save());
    editor.quiet(20);
    listed.clear();
    frame();
    EXPECT_EQ(listed[2], "t=0.75 fade=0.7500");
    EXPECT_EQ(editor.read(5), EditorStandIn::setRow(12));
    EXPECT_TRUE(dir.exists("data/sync/t_fade.track"));
    EXPECT_TRUE(dir.exists("data/sync/t_one.track"));

    // Backwards before the event: it fires again as the demo passes it.
    editor.write(EditorStandIn::setRow(0));
    editor.quiet(20);
    listed.clear();
    frame();
    frame();
    EXPECT_EQ(listed,
              (std::vector<std::string>{"level=0.25", "color=0.25,2,0.25,2", "t=0.25 fade=0.2500",
                                        "level=0.5", "color=0.5,2,0.5,2", "t=0.50 fade=0.5000"}));
    frame();
    EXPECT_EQ(listed[6], "mark=event");
    const std::vector<std::string> withEditor(listed.begin(), listed.begin() + 6);

    editor.hangUp();
    frame();
    EXPECT_NE(dir.read("log.txt").find("playing on alone"), std::string::npos);

    // A new demo from the files the editor had saved plays the same.
    SyncLink::linkToEditor(false);
    demo = std::make_unique<Demo>();
    start();
    frame();
    frame();
    EXPECT_EQ(listed, withEditor);
}

} // namespace
