// Element records: attribute lookups without case and the contract's getters.
#include "ScriptText.h"
#include "io/MemoryStream.h"
#include "script/ScriptDocument.h"

#include <gtest/gtest.h>

#include <string>

TEST(ScriptNode, LookupsTakeTheFirstMatchWithoutCase) {
    ScriptDocument document;
    ASSERT_EQ(parseScript(document,
                          "<e N=\"12ab\" n=\"7\" f=\"2.5x\" s=\"xyz\" v=\"1, 2, 3\" w=\"4,5\"/>"),
              0);
    const ScriptNode& e = *document.children[0];
    int number = -1;
    e.getInt("n", number);
    EXPECT_EQ(number, 12);
    e.getInt("s", number);
    EXPECT_EQ(number, 0);
    e.getInt("missing", number);
    EXPECT_EQ(number, 0);
    float real = -1;
    e.getFloat("F", real);
    EXPECT_FLOAT_EQ(real, 2.5f);
    const char* text = "unchanged";
    e.getString("missing", text);
    EXPECT_EQ(text, nullptr);
    Vec3 v{9, 9, 9};
    e.getVec3("v", v);
    EXPECT_EQ(v.x + v.y * 10 + v.z * 100, 321.0f);
    Vec4 w{9, 9, 9, 9};
    e.getVec4("w", w);
    EXPECT_EQ(w.x, 4.0f);
    EXPECT_EQ(w.y, 5.0f);
    EXPECT_EQ(w.z, 9.0f); // components not given keep their value
    Vec3 untouched{1, 2, 3};
    e.getVec3("missing", untouched);
    EXPECT_EQ(untouched.z, 3.0f);
}
