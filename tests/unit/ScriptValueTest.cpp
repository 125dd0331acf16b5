// The SDK's one way of reading attribute values, shared by the player and plugins, and the
// effect helpers built on it.
#include <vornex/plugin.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdio>

namespace {

// An element with the given name="value" pairs, as the document reader makes them.
struct Element {
    ScriptNode node;
    void add(const char* name, const char* value) {
        auto* attribute = new ScriptAttribute;
        std::snprintf(attribute->name, sizeof attribute->name, "%s", name);
        std::snprintf(attribute->value, sizeof attribute->value, "%s", value);
        node.attributes.push_back(attribute);
    }
};

} // namespace

TEST(ScriptValue, NumbersReadAsAtoiAndAtofAndStopAtTheEndsOfTheirRange) {
    EXPECT_EQ(scriptInt("12abc"), 12);
    EXPECT_EQ(scriptInt("  -7"), -7);
    EXPECT_EQ(scriptInt("abc"), 0);
    EXPECT_EQ(scriptInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(scriptInt("-99999999999"), INT_MIN);
    EXPECT_FLOAT_EQ(scriptFloat(" 2.5x"), 2.5f);
    EXPECT_EQ(scriptFloat("1e300"), FLT_MAX);
    EXPECT_EQ(scriptFloat("-1e300"), -FLT_MAX);
    bool flag = false;
    scriptValue("2", flag);
    EXPECT_TRUE(flag);
    scriptValue("0x1", flag); // an integer: the 0 before the x
    EXPECT_FALSE(flag);
}

TEST(ScriptValue, VectorsAndViewportsStopAtTheEndsOfTheFloatRangeLikeScalars) {
    Vec3 position = {};
    scriptValue("1e999,-1e999, 2.5", position);
    EXPECT_EQ(position.x, FLT_MAX);
    EXPECT_EQ(position.y, -FLT_MAX);
    EXPECT_FLOAT_EQ(position.z, 2.5f);
    // Reading stops at the first component that is not a number; the rest keep theirs.
    Vec4 colour = {1.0f, 1.0f, 1.0f, 1.0f};
    scriptValue("0.5,x,0.25,0", colour);
    EXPECT_FLOAT_EQ(colour.x, 0.5f);
    EXPECT_FLOAT_EQ(colour.y, 1.0f);
    EXPECT_FLOAT_EQ(colour.z, 1.0f);
    scriptValue("0;2", colour); // no comma after the first
    EXPECT_FLOAT_EQ(colour.x, 0.0f);
    EXPECT_FLOAT_EQ(colour.y, 1.0f);
    Effect effect;
    ScriptAttribute viewport = {};
    std::snprintf(viewport.name, sizeof viewport.name, "viewport");
    std::snprintf(viewport.value, sizeof viewport.value, "0,1e40,0.5");
    ASSERT_TRUE(readEffectAttribute(effect, viewport));
    EXPECT_EQ(effect.viewport.y, FLT_MAX);
    EXPECT_FLOAT_EQ(effect.viewport.width, 0.5f);
    EXPECT_FLOAT_EQ(effect.viewport.height, 1.0f);
}

TEST(ScriptValue, AnAbsentAttributeKeepsTheValueAndVectorsKeepComponentsNotGiven) {
    Element e;
    e.add("Rate", "3.5");
    e.add("rate", "9");
    e.add("color", "0.5, 0.25");
    float rate = 1.0f;
    EXPECT_TRUE(readAttribute(e.node, "RATE", rate)); // the first of that name, any case
    EXPECT_FLOAT_EQ(rate, 3.5f);
    int count = 42;
    EXPECT_FALSE(readAttribute(e.node, "count", count));
    EXPECT_EQ(count, 42);
    Vec4 color = {1.0f, 1.0f, 1.0f, 1.0f};
    readAttribute(e.node, "color", color);
    EXPECT_FLOAT_EQ(color.x, 0.5f);
    EXPECT_FLOAT_EQ(color.y, 0.25f);
    EXPECT_FLOAT_EQ(color.z, 1.0f);
    EXPECT_FLOAT_EQ(color.w, 1.0f);
    // The contract's getters zero an absent number.
    e.node.getInt("count", count);
    EXPECT_EQ(count, 0);
}

TEST(ScriptValue, EffectsTakeEnabledAndViewportAndTheirDeclaredParameters) {
    static const char* const kShapes[] = {"cube", "torus", nullptr};
    Effect effect;
    EffectParamSet params("Test");
    Vec3 position = {1.0f, 2.0f, 3.0f};
    int steps = 4;
    ChoiceSlot shape;
    shape.words = kShapes;
    params.addVector("pos", position);
    params.addInteger("steps", steps);
    params.addChoice("shape", shape);
    ASSERT_EQ(params.table()->count, 3u);
    EXPECT_EQ(params.table()->params[0]->type, kParamVec3f);
    EXPECT_EQ(params.table()->params[2]->type, 7u); // "unknown" in the log

    Element e;
    e.add("ENABLED", "0");
    e.add("viewport", "0.5,0.25");
    e.add("pos", "7");
    e.add("steps", "12 steps");
    e.add("shape", "TORUS");
    e.add("other", "1");
    int applied = 0, unknown = 0;
    for (const ScriptAttribute* attribute : e.node.attributes) {
        if (readEffectAttribute(effect, *attribute))
            ++applied;
        else if (!params.read(*attribute, effect))
            ++unknown;
    }
    EXPECT_EQ(applied, 2);
    EXPECT_EQ(unknown, 1);
    EXPECT_FALSE(effect.enabled);
    EXPECT_FLOAT_EQ(effect.viewport.x, 0.5f);
    EXPECT_FLOAT_EQ(effect.viewport.y, 0.25f);
    EXPECT_FLOAT_EQ(effect.viewport.width, 1.0f);
    EXPECT_FLOAT_EQ(position.x, 7.0f);
    EXPECT_FLOAT_EQ(position.y, 2.0f);
    EXPECT_EQ(steps, 12);
    EXPECT_EQ(shape.index, 1);
}
