#include "DemoFixture.h"

#include <vornex/plugin.h>

#include <gmock/gmock.h>

#include <algorithm>
#include <string>

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {
class Plugin : public DemoFixture {};
} // namespace

TEST_F(Plugin, LoadsALibraryAddsAnEffectAndReportsItsParameters) {
    walk(R"(<demo><loadplugin file="recorderfx.so"/><add type="Recorder" name="one"/></demo>)");
    ASSERT_EQ(demo->effectCount(), 1u);
    Effect* effect = demo->effect(0);
    EXPECT_STREQ(effect->name, "one");
    EXPECT_STREQ(effect->type, "Recorder");
    EXPECT_EQ(effect->host, static_cast<DemoHost*>(demo.get()));
    EXPECT_EQ(demo->effect(1), nullptr);
    EXPECT_EQ(demo->pluginCount(), 1);
    const std::string log = dir.read("log.txt");
    const std::string expected = "loadlibrary: recorderfx.so\r\n"
                                 "effect:Recorder params:3\n\r\n"
                                 "param00 name:speed type:float\n\r\n"
                                 "param01 name:image type:texture\n\r\n"
                                 "param02 name:odd type:unknown\n\r\n";
    ASSERT_GE(log.size(), expected.size());
    EXPECT_EQ(log.substr(log.size() - expected.size()), expected);
    // params() sees the host set up and the new effect not yet counted.
    EXPECT_THAT(calls(), ElementsAre("getFX Recorder", "one params plugins=1 effects=0 last=null"));
}

TEST_F(Plugin, MissingLibrariesAndUnknownTypesAreLoggedAndSkipped) {
    walk(R"(<demo><add type="recorder" name="early"/>
              <loadplugin file="nothere.so"/><loadplugin/>
              <loadplugin file="recorderfx.dll"/>
              <add type="broken" name="b"/><add type="nosuch" name="n"/></demo>)");
    EXPECT_EQ(demo->effectCount(), 0u);
    EXPECT_EQ(demo->pluginCount(), 1); // the .dll name found the .so
    const auto log = logLines();
    EXPECT_THAT(log, ::testing::Contains("could not find effect: early"));
    EXPECT_THAT(log, ::testing::Contains("ERROR loadlibrary: nothere.so not found"));
    EXPECT_THAT(log, ::testing::Contains("loadlibrary: recorderfx.dll"));
    EXPECT_THAT(log, ::testing::Contains("could not find effect: b"));
    EXPECT_THAT(log, ::testing::Contains("could not find effect: n"));
}

TEST_F(Plugin, ALibraryOfAnotherSdkMajorVersionIsRefusedWithOneLine) {
    walk(R"(<demo><loadplugin file="nextmajorfx.so"/><loadplugin file="versionfx.so"/>
              <add type="versioned" name="v"/></demo>)");
    EXPECT_EQ(demo->pluginCount(), 1);
    EXPECT_EQ(demo->effectCount(), 1u);
    const auto log = logLines();
    const std::string refused =
        "ERROR loadlibrary: nextmajorfx.so built for SDK " + std::to_string(kSdkVersionMajor + 1) +
        "." + std::to_string(kSdkVersionMinor + 5) + ", the player has " +
        std::to_string(kSdkVersionMajor) + "." + std::to_string(kSdkVersionMinor);
    EXPECT_THAT(log, ::testing::Contains(refused));
    EXPECT_THAT(log, ::testing::Not(::testing::Contains(HasSubstr("nextmajorfx.so not found"))));
    // The same major version with a later minor one is taken.
    EXPECT_THAT(log, ::testing::Contains("loadlibrary: versionfx.so"));
}

TEST_F(Plugin, ALibraryThatMeasuresARecordOtherwiseIsRefusedNamingIt) {
    walk(R"(<demo><loadplugin file="widereffectfx.so"/><loadplugin file="versionfx.so"/>
              <add type="versioned" name="v"/></demo>)");
    // versionfx exports the same table as the player's and is taken.
    EXPECT_EQ(demo->pluginCount(), 1);
    EXPECT_EQ(demo->effectCount(), 1u);
    const auto log = logLines();
    const std::string refused = "ERROR loadlibrary: widereffectfx.so lays out Effect in " +
                                std::to_string(sizeof(Effect) + 8) + " bytes, the player in " +
                                std::to_string(sizeof(Effect)) +
                                ": built by another compiler or with other options";
    EXPECT_THAT(log, ::testing::Contains(refused));
    EXPECT_THAT(log, ::testing::Not(::testing::Contains(HasSubstr("widereffectfx.so not found"))));
}

TEST_F(Plugin, FilesThatAreNoPluginsKeepTheLineAndGiveTheReasonReadablyBelowIt) {
    dir.write("notalib.so", "not a shared object");
    testing::internal::CaptureStdout();
    walk(R"(<demo><loadplugin file="unresolvedfx.so"/><loadplugin file="hasonlyfx.so"/>
              <loadplugin file="notalib.so"/><loadplugin file="nothere.so"/></demo>)");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(demo->pluginCount(), 0);
    const auto log = logLines();
    const auto next = [&](const std::string& line) {
        const auto found = std::find(log.begin(), log.end(), line);
        return found == log.end() || found + 1 == log.end() ? std::string() : *(found + 1);
    };
#ifdef _WIN32
    // The DLL its helper is imported from cannot be found (the system's wording varies),
    // and is named.
    EXPECT_THAT(next("ERROR loadlibrary: unresolvedfx.so not found"),
                AllOf(HasSubstr("unresolvedfx.dll: "),
                      HasSubstr("(error 126); it needs libmissinghelper.dll, which is not found")));
#else
    EXPECT_THAT(next("ERROR loadlibrary: unresolvedfx.so not found"),
                HasSubstr("undefined symbol: unresolvedfx::missingHelper(char const*)"));
#endif
    EXPECT_EQ(next("ERROR loadlibrary: hasonlyfx.so not found"),
              "  reason: hasonlyfx.so exports no getFX: not an effect plugin");
    EXPECT_THAT(next("ERROR loadlibrary: notalib.so not found"), HasSubstr("notalib.so"));
    // The system's text comes with its file filled in ("%1 is not a valid ...").
    EXPECT_THAT(next("ERROR loadlibrary: notalib.so not found"), ::testing::Not(HasSubstr("%1")));
    // A missing file has no reason beyond the line itself.
    EXPECT_EQ(log.back(), "ERROR loadlibrary: nothere.so not found");
}

TEST_F(Plugin, TheFirstLoadedLibraryThatMakesTheTypeWins) {
    walk(R"(<demo><loadplugin file="fillfx.so"/><loadplugin file="recorderfx.so"/>
              <add type="shared" name="s"/></demo>)");
    ASSERT_EQ(demo->effectCount(), 1u);
    // Made by fillfx: recorderfx was never asked.
    EXPECT_FALSE(dir.exists("calls.txt"));

    Demo second;
    ScriptDocument document;
    ASSERT_EQ(parseScript(document, R"(<demo><loadplugin file="recorderfx.so"/>
              <loadplugin file="fillfx.so"/><add type="shared" name="s"/></demo>)"),
              0);
    second.walk(document.children[0]);
    EXPECT_THAT(calls(), ::testing::Contains("getFX shared"));
}

TEST_F(Plugin, NamesAndTablesOverTheirLimitsAreRefusedWithOneLine) {
    const std::string longFile(64, 'x');
    std::string script = R"(<demo><loadplugin file=")" + longFile + R"("/>)";
    for (int i = 0; i < 17; ++i) script += R"(<loadplugin file="recorderfx.so"/>)";
    script += R"(<add type="recorder" name="sixteen_chars_xx"/>)"
              R"(<add type="recorder_type_long" name="a"/>)";
    for (int i = 0; i < 49; ++i) script += R"(<add type="recorder" name="e"/>)";
    walk(script + "</demo>");
    EXPECT_EQ(demo->pluginCount(), 16);
    EXPECT_EQ(demo->effectCount(), 48u);
    const auto log = logLines();
    EXPECT_THAT(log, ::testing::Contains(HasSubstr("longer than 63 characters: [" + longFile)));
    EXPECT_THAT(log, ::testing::Contains("Plugin [recorderfx.so] refused: at most 16 plugins"));
    EXPECT_THAT(log, ::testing::Contains(HasSubstr("Effect [sixteen_chars_xx] of type")));
    EXPECT_THAT(log, ::testing::Contains(HasSubstr("of type [recorder_type_long] refused")));
    EXPECT_THAT(log, ::testing::Contains("Effect [e] refused: at most 48 effects"));
}

TEST_F(Plugin, ChildrenNamedAfterAnInstanceConfigureIt) {
    walk(R"(<demo><loadplugin file="recorderfx.so"/><add type="recorder" name="camera"/>
              <CAMERA mode="create" name="c"/><Camera/><misspelt/></demo>)");
    EXPECT_THAT(calls(), ElementsAre("getFX recorder", HasSubstr("camera params"),
                                     "camera configure CAMERA", "camera configure Camera"));
    // No camera was defined by them.
    EXPECT_EQ(demo->registry().cameras.count(), 0);
}

TEST_F(Plugin, TeardownUnloadsAndDestroysEffectsBeforeTheLibraries) {
    walk(R"(<demo><loadplugin file="recorderfx.so"/><add type="recorder" name="a"/>
              <add type="recorder" name="b"/></demo>)");
    demo.reset();
    const auto recorded = calls();
    ASSERT_GE(recorded.size(), 5u);
    EXPECT_THAT(
        std::vector<std::string>(recorded.end() - 5, recorded.end()),
        ElementsAre("a unload", "a destroy", "b unload", "b destroy", "recorderfx unloaded"));
}
