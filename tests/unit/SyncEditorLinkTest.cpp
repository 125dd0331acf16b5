// The editor link against a stand-in editor on the loopback address: greeting, track
// requests, key changes, seek, pause and save handed on, row reports, the editor going
// away, never being there, coming later or not greeting, and refused keys, on a tick
// count the test moves.
#include "EditorStandIn.h"
#include "TempDir.h"
#include "log/Log.h"
#include "sync/SyncClient.h"
#include "sync/SyncTrackSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

struct RecordingListener : SyncEditorListener {
    void editorSeek(int32_t row) override { calls.push_back("seek " + std::to_string(row)); }
    void editorPause(bool paused) override { calls.push_back(paused ? "pause" : "play"); }
    void editorSave() override { calls.push_back("save"); }
    void editorGone() override { calls.push_back("gone"); }
    std::vector<std::string> calls;
};

class SyncEditorLink : public ::testing::Test {
protected:
    void SetUp() override {
        Log& log = Log::instance();
        log.setFormat(0);
        log.setOutputs(LOG_TO_FILE);
        log.setFileName(dir.file("log.txt").c_str());
        log.setEnabled(true);
    }
    void TearDown() override { Log::instance().setEnabled(false); }

    // Polls the client until the stand-in has taken the connection and both have greeted.
    void link() {
        client.connect(editor.port(), now);
        for (int i = 0; i < 200 && !editor.accept(); ++i) client.poll(listener, now);
        client.poll(listener, now);
        ASSERT_EQ(editor.read(19), "hello, synctracker!");
        editor.write("hello, demo!");
        for (int i = 0; i < 200 && !client.linked(); ++i) client.poll(listener, now);
        ASSERT_TRUE(client.linked());
    }
    // Polls until the stand-in's bytes have arrived and been applied.
    void settle() {
        for (int i = 0; i < 20; ++i) {
            client.poll(listener, now);
            editor.quiet(5);
        }
    }
    std::string log() const { return dir.read("log.txt"); }
    size_t logCount(const std::string& text) const {
        const std::string all = log();
        size_t count = 0;
        for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++count;
        return count;
    }

    TempDir dir;
    EditorStandIn editor;
    SyncTrackSet tracks;
    std::unique_ptr<SyncClient> client_ = std::make_unique<SyncClient>(tracks);
    SyncClient& client = *client_;
    RecordingListener listener;
    uint32_t now = 0x7FFFFF00u; // wraps during the tests that wait
};

TEST_F(SyncEditorLink, AsksForEveryTrackAndAppliesTheEditorsCommands) {
    tracks.acquire("fade");
    const int32_t colour = tracks.acquire("bg:red");
    tracks.track(colour)->setKey({100, 9.0f, kSyncStep}); // from a file: the editor's win
    link();
    EXPECT_EQ(editor.read(2 * 5 + 4 + 6),
              EditorStandIn::getTrack("fade") + EditorStandIn::getTrack("bg:red"));
    EXPECT_EQ(tracks.track(colour)->keyCount(), 0u);

    // Commands arrive cut at odd places; each applies once it is whole.
    const std::string commands =
        EditorStandIn::setKey(1, 0, 0.0f, 1) + EditorStandIn::setKey(1, 8, 2.0f, 0) +
        EditorStandIn::setKey(1, 4, 5.0f, 2) + EditorStandIn::deleteKey(1, 4) +
        EditorStandIn::setRow(32) + EditorStandIn::pause(true) + EditorStandIn::save() +
        EditorStandIn::pause(false);
    editor.write(commands.substr(0, 7));
    settle();
    EXPECT_EQ(tracks.track(colour)->keyCount(), 0u);
    editor.write(commands.substr(7));
    settle();
    ASSERT_EQ(tracks.track(colour)->keyCount(), 2u);
    EXPECT_FLOAT_EQ(tracks.track(colour)->value(4.0), 1.0f);
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"seek 32", "pause", "save", "play"}));

    // The row is told when it changes, and not echoed after the editor's own seek.
    client.reportRow(32);
    client.reportRow(33);
    client.reportRow(33);
    EXPECT_EQ(editor.read(5), EditorStandIn::setRow(33));
    EXPECT_TRUE(editor.quiet());

    // A track made after linking is asked for as it comes, with the next number.
    tracks.acquire("late");
    client.poll(listener, now);
    EXPECT_EQ(editor.read(9), EditorStandIn::getTrack("late"));
    editor.write(EditorStandIn::setKey(2, 0, 3.0f, 0) + EditorStandIn::setKey(7, 0, 1.0f, 0));
    settle();
    EXPECT_EQ(tracks.track(2)->value(0.0), 3.0f);
    EXPECT_NE(log().find("track 7, which the demo never asked for"), std::string::npos);
}

TEST_F(SyncEditorLink, CarriesOnAloneWhenTheEditorGoesAwayOrTalksNonsense) {
    tracks.acquire("fade");
    link();
    editor.read(9);
    editor.write(EditorStandIn::setKey(0, 0, 4.0f, 0));
    settle();
    editor.hangUp();
    settle();
    EXPECT_FALSE(client.linked());
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"gone"}));
    EXPECT_EQ(tracks.track(0)->value(0.0), 4.0f); // keys stay
    EXPECT_NE(log().find("playing on alone"), std::string::npos);
    client.reportRow(5); // nothing to tell, nothing breaks

    listener.calls.clear();
    link();
    editor.read(9);
    editor.write(std::string(1, char(9)));
    settle();
    EXPECT_FALSE(client.linked());
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"gone"}));
}

TEST_F(SyncEditorLink, TriesAgainEverySecondUntilAnEditorListensQuietly) {
    const uint16_t port = EditorStandIn::freePort();
    client.connect(port, now);
    for (int i = 0; i < 20; ++i) client.poll(listener, now += 45);
    EXPECT_FALSE(client.linked());
    EXPECT_TRUE(listener.calls.empty());
    EditorStandIn later(port);
    client.poll(listener, now += 99);
    EXPECT_FALSE(later.accept(50)) << "again before a second was over";
    client.poll(listener, now += 1);
    ASSERT_TRUE(later.accept(2000));
    client.poll(listener, now);
    ASSERT_EQ(later.read(19), "hello, synctracker!");
    later.write("hello, demo!");
    for (int i = 0; i < 200 && !client.linked(); ++i) client.poll(listener, now);
    ASSERT_TRUE(client.linked());
    EXPECT_EQ(logCount("sync: no editor at 127.0.0.1:"), 1u) << log();

    // Lost, it tries again a second later, and links again.
    later.hangUp();
    for (int i = 0; i < 20 && client.linked(); ++i) client.poll(listener, now);
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"gone"}));
    client.poll(listener, now += 999);
    EXPECT_FALSE(later.accept(50));
    client.poll(listener, now += 1);
    ASSERT_TRUE(later.accept(2000));
    client.poll(listener, now);
    ASSERT_EQ(later.read(19), "hello, synctracker!");
    later.write("hello, demo!");
    for (int i = 0; i < 200 && !client.linked(); ++i) client.poll(listener, now);
    EXPECT_TRUE(client.linked());
    EXPECT_EQ(logCount("sync: editor linked"), 2u) << log();
    EXPECT_EQ(logCount("sync: no editor at 127.0.0.1:"), 1u) << log();
}

TEST_F(SyncEditorLink, AProgramThatTakesTheLinkButNeverGreetsIsLoggedOnceAfterTwoSeconds) {
    client.connect(editor.port(), now);
    for (int i = 0; i < 200 && !editor.accept(); ++i) client.poll(listener, now);
    client.poll(listener, now);
    ASSERT_EQ(editor.read(19), "hello, synctracker!");
    client.poll(listener, now += 1999);
    EXPECT_EQ(logCount("has not greeted"), 0u) << log();
    client.poll(listener, now += 1);
    client.poll(listener, now += 5000);
    EXPECT_EQ(logCount("sync: the program at 127.0.0.1:"), 1u) << log();
    EXPECT_EQ(logCount("took the link but has not greeted in 2 s"), 1u) << log();
    // Still waiting: a late greeting links.
    editor.write("hello, demo!");
    for (int i = 0; i < 200 && !client.linked(); ++i) client.poll(listener, now);
    EXPECT_TRUE(client.linked());
}

TEST_F(SyncEditorLink, KeysThatAreNoNumberAreRefusedAndRefusalsAreOneLineASecond) {
    const int32_t fade = tracks.acquire("fade");
    link();
    editor.read(9);
    editor.write(EditorStandIn::setKey(0, 0, std::nanf(""), 0) +
                 EditorStandIn::setKey(0, 1, HUGE_VALF, 1) +
                 EditorStandIn::setKey(0, 2, -HUGE_VALF, 0) + EditorStandIn::setKey(0, 3, 1.0f, 0));
    std::string many;
    for (int i = 0; i < 1000; ++i) many += EditorStandIn::setKey(7, i, 1.0f, 0);
    editor.write(many);
    settle();
    ASSERT_EQ(tracks.track(fade)->keyCount(), 1u);
    EXPECT_EQ(tracks.track(fade)->value(0.0), 1.0f);
    EXPECT_EQ(logCount("refused"), 1u) << log();
    EXPECT_EQ(logCount("sync: key at row 0 of track [fade] refused: its value is not a finite "
                       "number"),
              1u)
        << log();

    // Once the second is over, one line sums up what was held back, and the holding back
    // goes on while refusals do.
    now += 999;
    settle();
    EXPECT_EQ(logCount("refused"), 1u) << log();
    now += 1;
    settle();
    EXPECT_EQ(logCount("sync: 1002 more of the editor's keys refused in the last second"), 1u)
        << log();
    editor.write(EditorStandIn::setKey(7, 0, 1.0f, 0));
    settle();
    now += 1000;
    settle();
    EXPECT_EQ(logCount("sync: 1 more of the editor's keys refused"), 1u) << log();
    // A quiet second ends it: the next refusal has its own line.
    now += 1000;
    settle();
    editor.write(EditorStandIn::setKey(9, 0, 1.0f, 0));
    settle();
    EXPECT_EQ(logCount("track 9, which the demo never asked for"), 1u) << log();
    EXPECT_EQ(logCount("refused"), 3u) << log();
}

TEST_F(SyncEditorLink, AProgramThatDoesNotGreetAsTheEditorIsLeft) {
    client.connect(editor.port(), now);
    for (int i = 0; i < 200 && !editor.accept(); ++i) client.poll(listener, now);
    client.poll(listener, now);
    editor.read(19);
    editor.write("HTTP/1.1 400");
    settle();
    EXPECT_FALSE(client.linked());
    EXPECT_NE(log().find("did not greet as the editor"), std::string::npos);
}

} // namespace
