// Per-character attributes through a stream: character style, face, paint
// and the attribute dictionary reach exactly the character the stream stands
// on, and undoing the command restores the text exactly.
#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>

#include "host/text/font_faces.hpp"
#include "text_fixture.hpp"

namespace {

// Everything a stream can change, character by character, as text.
std::string dump(const kh::Art& art) {
    std::ostringstream out;
    for (const kh::TextChar& c : art.text->chars) {
        out << static_cast<std::uint32_t>(c.code) << " size " << c.style.font_size << " shift "
            << c.style.baseline_shift << " track " << c.style.tracking << " h " << c.style.horizontal_scale << " v "
            << c.style.vertical_scale << " lead " << c.style.leading << " r " << c.style.reserved[0] << " face "
            << c.face << " fill " << c.paint.fill_paint << ":" << c.paint.fill.kind << ":" << c.paint.fill.body[0]
            << " stroke " << c.paint.stroke_paint << ":" << c.paint.stroke.body[0] << " width "
            << c.paint.stroke_width;
        for (const auto& [k, v] : c.reals) out << " " << k << "=" << v;
        out << "\n";
    }
    return out.str();
}

class CharacterAttributes : public TextTest {
protected:
    void SetUp() override {
        art = &text_art(3);
        stream = open(*art);
        ASSERT_EQ(dicts->create_dictionary(&dict), kNoErr);
        ASSERT_EQ(dicts->get_key("Opacity", &opacity), kNoErr);
    }
    void TearDown() override {
        EXPECT_EQ(streams->close_stream(stream), kNoErr);
        EXPECT_EQ(dicts->release_dictionary(dict), kNoErr);
    }
    // Stand on character p (direction -1 counts p from the first character).
    void at(std::int32_t p) { ASSERT_EQ(streams->set_position(stream, p, -1), kNoErr); }
    kh::TextChar& ch(std::size_t i) { return art->text->chars[i]; }

    kh::Art* art = nullptr;
    KTextStreamHandle stream = nullptr;
    KDictionaryHandle dict = nullptr;
    KDictKey opacity = nullptr;
};

TEST_F(CharacterAttributes, CharStyleIsReadAndWrittenWhole) {
    at(1);
    KCharStyle style{};
    ASSERT_EQ(streams->get_char_style(stream, &style), kNoErr);
    EXPECT_EQ(style.font_size, 11);
    style.font_size = 32;
    style.baseline_shift = -2;
    style.tracking = 150;
    style.horizontal_scale = 1.5f;
    style.vertical_scale = 0.5f;
    style.reserved[3] = 77;
    ASSERT_EQ(streams->set_char_style(stream, &style), kNoErr);
    EXPECT_EQ(std::memcmp(&ch(1).style, &style, sizeof style), 0);
    EXPECT_EQ(ch(0).style.font_size, 10);
    EXPECT_EQ(ch(2).style.font_size, 12);
}

TEST_F(CharacterAttributes, NonFiniteCharStyleIsRefusedAndChangesNothing) {
    at(0);
    const std::string before = dump(*art);
    for (KReal bad : {std::numeric_limits<KReal>::quiet_NaN(), std::numeric_limits<KReal>::infinity()}) {
        KCharStyle style = ch(0).style;
        style.vertical_scale = bad;
        EXPECT_EQ(streams->set_char_style(stream, &style), kBadParameterErr);
    }
    EXPECT_EQ(dump(*art), before);
}

TEST_F(CharacterAttributes, FaceComesFromTheFaceListAndSetsTheIndex) {
    ch(2).face = 3;
    at(2);
    KFaceHandle face = nullptr;
    ASSERT_EQ(streams->get_face(stream, &face), kNoErr);
    KFaceHandle third = nullptr;
    ASSERT_EQ(faces->get_nth_face(3, &third), kNoErr);
    EXPECT_EQ(face, third);

    KFaceHandle last = nullptr;
    ASSERT_EQ(faces->get_nth_face(11, &last), kNoErr);
    ASSERT_EQ(streams->set_face(stream, last), kNoErr);
    EXPECT_EQ(ch(2).face, 11);
    EXPECT_EQ(ch(1).face, 0);
    EXPECT_EQ(streams->set_face(stream, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->set_face(stream, reinterpret_cast<KFaceHandle>(dict)), kBadParameterErr);
    EXPECT_EQ(ch(2).face, 11);
}

TEST_F(CharacterAttributes, FaceOutsideTheListIsNotReported) {
    ch(0).face = 99;
    at(0);
    KFaceHandle face = nullptr;
    EXPECT_EQ(streams->get_face(stream, &face), kBadParameterErr);
}

TEST_F(CharacterAttributes, PaintIsTheCharactersOwn) {
    at(2);
    KPathStyle paint{};
    ASSERT_EQ(streams->get_path_style(stream, &paint), kNoErr);
    EXPECT_FLOAT_EQ(paint.fill.body[0], 0.02f);
    paint.stroke_paint = 1;
    paint.stroke = kh::cmyk_colour(0.1, 0.2, 0.3, 0.4);
    paint.stroke_width = 3;
    ASSERT_EQ(streams->set_path_style(stream, &paint), kNoErr);
    EXPECT_EQ(std::memcmp(&ch(2).paint, &paint, sizeof paint), 0);
    EXPECT_EQ(ch(1).paint.stroke_paint, 0);
}

TEST_F(CharacterAttributes, MissingOpacityReadsAsOpaque) {
    ch(1).reals["Opacity"] = 0.25f;
    KReal o = -1;
    at(0);
    ASSERT_EQ(streams->get_char_dictionary(stream, dict), kNoErr);
    ASSERT_EQ(dicts->get_real_entry(dict, opacity, &o), kNoErr);
    EXPECT_EQ(o, 1.0f);
    EXPECT_TRUE(ch(0).reals.empty()) << "reading must not add the entry to the character";
    at(1);
    ASSERT_EQ(streams->get_char_dictionary(stream, dict), kNoErr);
    ASSERT_EQ(dicts->get_real_entry(dict, opacity, &o), kNoErr);
    EXPECT_EQ(o, 0.25f);
}

// One dictionary serves a whole walk: entries of one character must not
// reach the next one through it.
TEST_F(CharacterAttributes, CopyReplacesWhatTheDictionaryHeld) {
    ch(0).reals["Glow"] = 5;
    KDictKey glow = nullptr;
    ASSERT_EQ(dicts->get_key("Glow", &glow), kNoErr);
    at(0);
    ASSERT_EQ(streams->get_char_dictionary(stream, dict), kNoErr);
    at(1);
    ASSERT_EQ(streams->get_char_dictionary(stream, dict), kNoErr);
    KReal v = 0;
    EXPECT_EQ(dicts->get_real_entry(dict, glow, &v), kBadParameterErr);
    ASSERT_EQ(streams->apply_char_dictionary(stream, dict), kNoErr);
    EXPECT_EQ(ch(1).reals.count("Glow"), 0u);
}

TEST_F(CharacterAttributes, ApplyWritesTheEntriesToThatCharacter) {
    ch(2).reals["Glow"] = 5;
    ASSERT_EQ(dicts->set_real_entry(dict, opacity, 0.4f), kNoErr);
    at(2);
    ASSERT_EQ(streams->apply_char_dictionary(stream, dict), kNoErr);
    EXPECT_EQ(ch(2).reals.at("Opacity"), 0.4f);
    EXPECT_EQ(ch(2).reals.at("Glow"), 5.0f);
    EXPECT_TRUE(ch(1).reals.empty());
}

TEST_F(CharacterAttributes, DictionaryOperationsCheckTheirHandles) {
    at(0);
    KDictionaryHandle gone = nullptr;
    ASSERT_EQ(dicts->create_dictionary(&gone), kNoErr);
    ASSERT_EQ(dicts->release_dictionary(gone), kNoErr);
    for (KDictionaryHandle bad : {KDictionaryHandle{}, gone, reinterpret_cast<KDictionaryHandle>(stream)}) {
        EXPECT_EQ(streams->get_char_dictionary(stream, bad), kBadParameterErr);
        EXPECT_EQ(streams->apply_char_dictionary(stream, bad), kBadParameterErr);
    }
}

TEST_F(CharacterAttributes, CodePointsBeyondSixteenBitsReadAsReplacement) {
    ch(1).code = U'\U0001F600';
    ch(2).code = U'\u20AC';
    at(1);
    EXPECT_EQ(char_at(stream), 0xFFFD);
    at(2);
    EXPECT_EQ(char_at(stream), 0x20AC);
}

TEST_F(CharacterAttributes, SpanCallsAreAcceptedAndChangeNothing) {
    at(1);
    const std::string before = dump(*art);
    int32_t value = 1;
    int16_t state = -7;
    EXPECT_EQ(streams->begin_span(stream, &value, &state), kNoErr);
    EXPECT_EQ(state, 0);
    EXPECT_EQ(streams->set_span(stream, &value), kNoErr);
    EXPECT_EQ(streams->end_span(stream, &value, &state), kNoErr);
    EXPECT_EQ(dump(*art), before);
}

// One character's full read-and-write round, as a filter does it, inside a
// command; undo brings back every character exactly.
TEST_F(CharacterAttributes, UndoRestoresTheText) {
    ch(0).reals["Opacity"] = 0.5f;
    ch(2).face = 4;
    const std::string before = dump(*art);
    doc().begin_command();
    KFaceHandle face = nullptr;
    faces->get_nth_face(9, &face);
    for (std::int32_t p = 2; p >= 0; --p) {
        at(p);
        KCharStyle style{};
        KPathStyle paint{};
        streams->get_char_style(stream, &style);
        streams->get_path_style(stream, &paint);
        streams->get_char_dictionary(stream, dict);
        style.font_size += 20;
        style.tracking = 40;
        paint.fill = kh::rgb_colour(1, 0, 0);
        paint.stroke_width = 7;
        ASSERT_EQ(streams->set_char_style(stream, &style), kNoErr);
        ASSERT_EQ(dicts->set_real_entry(dict, opacity, 0.1f), kNoErr);
        ASSERT_EQ(streams->apply_char_dictionary(stream, dict), kNoErr);
        ASSERT_EQ(streams->set_face(stream, face), kNoErr);
        ASSERT_EQ(streams->set_path_style(stream, &paint), kNoErr);
    }
    ASSERT_NE(dump(*art), before);
    doc().undo_command();
    EXPECT_EQ(dump(*art), before);
    // The stream still works on the restored text.
    at(1);
    EXPECT_EQ(char_at(stream), 'b');
}

}  // namespace
