// Whole-text access, the face list and dictionaries with their keys.
#include <cmath>
#include <cstring>
#include <limits>

#include "host/text/font_faces.hpp"
#include "text_fixture.hpp"

namespace {

TEST_F(TextTest, TextLengthAndUtf8Content) {
    kh::Art& a = text_art(4);
    a.text->chars[1].code = U'\u00E9';
    a.text->chars[2].code = U'\U0001F600';
    a.text->chars[3].code = 0xD800;  // a lone surrogate has no UTF-8 form
    std::int32_t n = 0;
    ASSERT_EQ(texts->get_text_length(h(a), &n), kNoErr);
    EXPECT_EQ(n, 4);
    char buf[32];
    ASSERT_EQ(texts->get_text(h(a), buf, sizeof buf), kNoErr);
    EXPECT_STREQ(buf, "a\xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBD");
}

// A short buffer is cut after the last whole character that fits.
struct CutCase {
    std::int32_t max_len;
    const char* expected;
};
class TextCut : public TextTest, public testing::WithParamInterface<CutCase> {};

TEST_P(TextCut, CutsBetweenCharacters) {
    kh::Art& a = text_art(3);
    a.text->chars[1].code = U'\u20AC';  // three bytes
    char buf[16];
    std::memset(buf, 'x', sizeof buf);
    ASSERT_EQ(texts->get_text(h(a), buf, GetParam().max_len), kNoErr);
    EXPECT_STREQ(buf, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Buffers, TextCut,
                         testing::Values(CutCase{1, ""}, CutCase{2, "a"}, CutCase{4, "a"},
                                         CutCase{5, "a\xE2\x82\xAC"}, CutCase{6, "a\xE2\x82\xAC" "c"}));

TEST_F(TextTest, TextSuiteRefusesBadArguments) {
    kh::Art& path = doc().new_art(kPathArt, doc().current_layer());
    kh::Art& text = text_art(2);
    std::int32_t n = 0;
    char buf[8];
    EXPECT_EQ(texts->get_text_length(h(path), &n), kBadParameterErr);
    EXPECT_EQ(texts->get_text_length(nullptr, &n), kBadParameterErr);
    EXPECT_EQ(texts->get_text_length(h(text), nullptr), kBadParameterErr);
    EXPECT_EQ(texts->get_text(h(path), buf, sizeof buf), kBadParameterErr);
    EXPECT_EQ(texts->get_text(h(text), buf, 0), kBadParameterErr);
    EXPECT_EQ(texts->get_text(h(text), nullptr, 8), kBadParameterErr);
}

TEST_F(TextTest, FaceListHasItsNamesInOrder) {
    std::int32_t count = 0;
    ASSERT_EQ(faces->count_faces(&count), kNoErr);
    ASSERT_EQ(count, kh::font_face_count());
    EXPECT_EQ(count, 12);
    for (std::int32_t i = 0; i < count; ++i) {
        KFaceHandle face = nullptr;
        ASSERT_EQ(faces->get_nth_face(i, &face), kNoErr);
        EXPECT_EQ(kh::font_face_index(face), i);
        char name[64];
        ASSERT_EQ(faces->get_face_name(face, name, sizeof name), kNoErr);
        EXPECT_EQ(name, kh::font_face_names()[static_cast<std::size_t>(i)]);
    }
    KFaceHandle first = nullptr;
    faces->get_nth_face(0, &first);
    char name[64];
    faces->get_face_name(first, name, sizeof name);
    EXPECT_STREQ(name, "Helvetica");
}

TEST_F(TextTest, FaceSuiteRefusesBadArguments) {
    KFaceHandle face = nullptr;
    char name[8];
    EXPECT_EQ(faces->get_nth_face(-1, &face), kBadParameterErr);
    EXPECT_EQ(faces->get_nth_face(12, &face), kBadParameterErr);
    EXPECT_EQ(faces->get_nth_face(0, nullptr), kBadParameterErr);
    EXPECT_EQ(faces->count_faces(nullptr), kBadParameterErr);
    EXPECT_EQ(faces->get_face_name(nullptr, name, sizeof name), kBadParameterErr);
    faces->get_nth_face(0, &face);
    EXPECT_EQ(faces->get_face_name(face, name, 0), kBadParameterErr);
}

TEST_F(TextTest, KeysAreInterned) {
    KDictKey a = nullptr, b = nullptr, c = nullptr;
    ASSERT_EQ(dicts->get_key("Opacity", &a), kNoErr);
    ASSERT_EQ(dicts->get_key("Opacity", &b), kNoErr);
    ASSERT_EQ(dicts->get_key("Glow", &c), kNoErr);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(dicts->get_key("", &c), kBadParameterErr);
    EXPECT_EQ(dicts->get_key(nullptr, &c), kBadParameterErr);
    EXPECT_EQ(dicts->get_key("Glow", nullptr), kBadParameterErr);
}

TEST_F(TextTest, DictionaryEntries) {
    KDictionaryHandle d = nullptr;
    KDictKey opacity = nullptr, glow = nullptr;
    ASSERT_EQ(dicts->create_dictionary(&d), kNoErr);
    dicts->get_key("Opacity", &opacity);
    dicts->get_key("Glow", &glow);
    KReal v = 0;
    EXPECT_EQ(dicts->get_real_entry(d, opacity, &v), kBadParameterErr);
    ASSERT_EQ(dicts->set_real_entry(d, opacity, 0.3f), kNoErr);
    ASSERT_EQ(dicts->set_real_entry(d, opacity, 0.6f), kNoErr);
    ASSERT_EQ(dicts->get_real_entry(d, opacity, &v), kNoErr);
    EXPECT_EQ(v, 0.6f);
    EXPECT_EQ(dicts->get_real_entry(d, glow, &v), kBadParameterErr);
    EXPECT_EQ(dicts->set_real_entry(d, glow, std::numeric_limits<KReal>::quiet_NaN()), kBadParameterErr);
    EXPECT_EQ(dicts->get_real_entry(d, glow, &v), kBadParameterErr);
    EXPECT_EQ(dicts->get_real_entry(d, nullptr, &v), kBadParameterErr);
    EXPECT_EQ(dicts->set_real_entry(d, reinterpret_cast<KDictKey>(d), 1), kBadParameterErr);
    EXPECT_EQ(dicts->get_real_entry(d, opacity, nullptr), kBadParameterErr);
    EXPECT_EQ(dicts->release_dictionary(d), kNoErr);
}

TEST_F(TextTest, ReleasedDictionaryIsStale) {
    KDictionaryHandle d = nullptr;
    KDictKey opacity = nullptr;
    dicts->get_key("Opacity", &opacity);
    ASSERT_EQ(dicts->create_dictionary(&d), kNoErr);
    ASSERT_EQ(dicts->release_dictionary(d), kNoErr);
    KReal v = 0;
    EXPECT_EQ(dicts->release_dictionary(d), kBadParameterErr);
    EXPECT_EQ(dicts->set_real_entry(d, opacity, 1), kBadParameterErr);
    EXPECT_EQ(dicts->get_real_entry(d, opacity, &v), kBadParameterErr);
    EXPECT_EQ(dicts->release_dictionary(nullptr), kBadParameterErr);
    EXPECT_EQ(dicts->create_dictionary(nullptr), kBadParameterErr);
    EXPECT_EQ(kh::live_dictionaries(), 0u);
}

}  // namespace
