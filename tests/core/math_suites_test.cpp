// "AI Real Math Suite" and "AI User Suite" as the filters use them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ai_real_math.h"
#include "ai_user.h"
#include "host/core/host.hpp"
#include "host/plugins/plugin_manager.hpp"

namespace kh = kestrel::host;

namespace {

class MathSuites : public ::testing::Test {
protected:
    void SetUp() override {
        const void* t = nullptr;
        ASSERT_EQ(kh::PluginManager::basic_suite()->acquire_suite(kAIRealMathSuite, kAIRealMathSuiteVersion, &t), 0);
        math = static_cast<const KRealMathSuite*>(t);
        ASSERT_EQ(kh::PluginManager::basic_suite()->acquire_suite(kAIUserSuite, kAIUserSuiteVersion, &t), 0);
        user = static_cast<const KUserSuite*>(t);
    }
    KRealPoint apply(const KMatrix& m, float x, float y) {
        KRealPoint p{x, y}, out{};
        EXPECT_EQ(math->transform_point(&m, &p, &out), kNoErr);
        return out;
    }
    std::string format(float v, int decimals) {
        unsigned char buf[256];
        EXPECT_EQ(user->real_to_string(v, static_cast<int16_t>(decimals), buf), kNoErr);
        return std::string(reinterpret_cast<char*>(buf + 1), buf[0]);
    }
    KResult parse(const std::string& s, KReal* out) {
        unsigned char buf[256];
        buf[0] = static_cast<unsigned char>(s.size());
        s.copy(reinterpret_cast<char*>(buf + 1), s.size());
        return user->string_to_real(buf, out);
    }
    kh::Host host;
    const KRealMathSuite* math = nullptr;
    const KUserSuite* user = nullptr;
};

TEST_F(MathSuites, ConcatenationsApplyAfterEarlierOperations) {
    // Scale by 2 about (10, 20): translate(-c), scale, translate(c).
    KMatrix m;
    math->matrix_set_translate(&m, -10, -20);
    math->matrix_concat_scale(&m, 2, 2);
    math->matrix_concat_translate(&m, 10, 20);
    KRealPoint p = apply(m, 11, 21);
    EXPECT_FLOAT_EQ(p.h, 12);
    EXPECT_FLOAT_EQ(p.v, 22);
    // Translate then rotate a quarter turn: the translation is rotated too.
    math->matrix_set_translate(&m, 1, 0);
    math->matrix_concat_rotate(&m, static_cast<float>(M_PI / 2));
    p = apply(m, 0, 0);
    EXPECT_NEAR(p.h, 0, 1e-6);
    EXPECT_NEAR(p.v, 1, 1e-6);
    // matrix_concat(a, b) is a first, then b.
    KMatrix a, b, ab;
    math->matrix_set_scale(&a, 3, 3);
    math->matrix_set_translate(&b, 5, 0);
    math->matrix_concat(&a, &b, &ab);
    p = apply(ab, 1, 1);
    EXPECT_FLOAT_EQ(p.h, 8);
    EXPECT_FLOAT_EQ(p.v, 3);
    EXPECT_EQ(math->matrix_concat_scale(nullptr, 1, 1), kBadParameterErr);
}

TEST_F(MathSuites, AnglesAndInterpolation) {
    KReal r = 0;
    math->degrees_to_radians(180, &r);
    EXPECT_FLOAT_EQ(r, static_cast<float>(M_PI));
    math->radians_to_degrees(static_cast<float>(M_PI / 2), &r);
    EXPECT_FLOAT_EQ(r, 90);
    math->sine(static_cast<float>(M_PI / 2), &r);
    EXPECT_FLOAT_EQ(r, 1);
    math->cosine(0, &r);
    EXPECT_FLOAT_EQ(r, 1);
    KRealPoint a{0, 0}, b{0, 5};
    math->point_angle(&a, &b, &r);
    EXPECT_FLOAT_EQ(r, static_cast<float>(M_PI / 2));
    // edge at t = 0, centre at t = 1.
    math->interpolate(10, 2, 0, &r);
    EXPECT_FLOAT_EQ(r, 2);
    math->interpolate(10, 2, 1, &r);
    EXPECT_FLOAT_EQ(r, 10);
    math->interpolate(10, 2, 0.25f, &r);
    EXPECT_FLOAT_EQ(r, 4);
}

TEST_F(MathSuites, UserSuiteParsesAndFormatsNumbers) {
    struct Case {
        const char* text;
        KResult code;
        float value;
    } cases[] = {{"-108", kNoErr, -108}, {"271", kNoErr, 271}, {" 2.5 ", kNoErr, 2.5f},
                 {"SEGM", kBadParameterErr, 0}, {"", kBadParameterErr, 0}, {"12x", kBadParameterErr, 0}};
    for (const Case& c : cases) {
        KReal v = -1;
        EXPECT_EQ(parse(c.text, &v), c.code) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
    EXPECT_EQ(format(-108, 0), "-108");
    EXPECT_EQ(format(271, 0), "271");
    EXPECT_EQ(format(2.345f, 2), "2.35");
    EXPECT_EQ(format(-0.2f, 0), "0");
    unsigned char buf[256];
    EXPECT_EQ(user->real_to_string(1, 11, buf), kBadParameterErr);
}

}  // namespace
