// Stream positions: the character count a filter finds, the characters both
// walk orders reach, out-of-range answers, the lock query, and handle checks.
#include <climits>
#include <memory>

#include "text_fixture.hpp"

namespace {

class CharacterCount : public TextTest, public testing::WithParamInterface<std::pair<std::size_t, std::int32_t>> {};

TEST_P(CharacterCount, CountingLoopFindsTheCharacters) {
    const auto [chars, expected] = GetParam();
    KTextStreamHandle s = open(text_art(chars));
    EXPECT_EQ(count_chars(s), expected);
    EXPECT_EQ(streams->close_stream(s), kNoErr);
}

// More than 10000 characters: the loop stops after 10000 positionings.
INSTANTIATE_TEST_SUITE_P(Lengths, CharacterCount,
                         testing::Values(std::pair<std::size_t, std::int32_t>{0, 0}, std::pair{1u, 1}, std::pair{5u, 5},
                                         std::pair{10001u, 10000}));

TEST_F(TextTest, NewStreamStandsBeforeTheFirstCharacter) {
    KTextStreamHandle s = open(text_art(3));
    std::int32_t pos = 0;
    EXPECT_EQ(streams->get_position(s, 1, &pos), kNoErr);
    EXPECT_EQ(pos, 1);
    std::uint16_t c = 0;
    EXPECT_EQ(streams->get_char(s, &c), kTextOutOfRangeErr);
    KCharStyle style{};
    EXPECT_EQ(streams->set_char_style(s, &style), kTextOutOfRangeErr);
    streams->close_stream(s);
}

// Default order: visit k at (N-1-k, -1); reverse order: visit k at (-k, +1).
// Either way the position number p names character p, and get_position(+1)
// reports -p.
struct WalkCase {
    bool reverse;
    std::u16string visited;  // characters in visit order
};
void PrintTo(const WalkCase& c, std::ostream* out) { *out << (c.reverse ? "reverse order" : "default order"); }
class WalkOrder : public TextTest, public testing::WithParamInterface<WalkCase> {};

TEST_P(WalkOrder, VisitsEveryCharacterOnce) {
    KTextStreamHandle s = open(text_art(5));
    const std::int32_t n = count_chars(s);
    ASSERT_EQ(n, 5);
    std::u16string seen;
    for (std::int32_t k = 0; k < n; ++k) {
        const std::int32_t direction = GetParam().reverse ? 1 : -1;
        const std::int32_t p = GetParam().reverse ? k : n - 1 - k;
        const std::int32_t offset = GetParam().reverse ? -k : p;
        ASSERT_EQ(streams->set_position(s, offset, direction), kNoErr) << k;
        seen += static_cast<char16_t>(char_at(s));
        std::int32_t pos = 0;
        streams->get_position(s, 1, &pos);
        EXPECT_EQ(pos, -p);
        streams->get_position(s, -1, &pos);
        EXPECT_EQ(pos, p);
    }
    EXPECT_EQ(seen, GetParam().visited);
    streams->close_stream(s);
}

INSTANTIATE_TEST_SUITE_P(Orders, WalkOrder, testing::Values(WalkCase{false, u"edcba"}, WalkCase{true, u"abcde"}));

// Outside the text: "SKSM", and the stream stays on the character it was on.
struct OutsideCase {
    std::size_t chars;
    std::int32_t offset;
    std::int32_t direction;
};
class OutsideText : public TextTest, public testing::WithParamInterface<OutsideCase> {};

TEST_P(OutsideText, AnswersSKSMAndStays) {
    const OutsideCase& c = GetParam();
    KTextStreamHandle s = open(text_art(c.chars));
    std::int32_t before = 0, after = 0;
    if (c.chars > 0) {
        ASSERT_EQ(streams->set_position(s, 0, 1), kNoErr);
    }
    streams->get_position(s, 1, &before);
    EXPECT_EQ(streams->set_position(s, c.offset, c.direction), kTextOutOfRangeErr);
    streams->get_position(s, 1, &after);
    EXPECT_EQ(after, before);
    streams->close_stream(s);
}

INSTANTIATE_TEST_SUITE_P(Offsets, OutsideText,
                         testing::Values(OutsideCase{3, -3, 1}, OutsideCase{3, 1, 1}, OutsideCase{3, 3, -1},
                                         OutsideCase{3, -1, -1}, OutsideCase{0, 0, 1}, OutsideCase{0, 0, -1},
                                         OutsideCase{3, INT_MIN, 1}, OutsideCase{3, INT_MAX, -1}));

TEST_F(TextTest, DirectionOtherThanPlusOrMinusOneIsRefused) {
    KTextStreamHandle s = open(text_art(3));
    std::int32_t pos = 0;
    for (std::int32_t d : {0, 2, -2}) {
        EXPECT_EQ(streams->set_position(s, 0, d), kBadParameterErr) << d;
        EXPECT_EQ(streams->get_position(s, d, &pos), kBadParameterErr) << d;
    }
    streams->close_stream(s);
}

// A stream whose text got shorter (an undo, an edit) stands on nothing.
TEST_F(TextTest, CharacterGoneFromUnderTheStreamIsOutOfRange) {
    kh::Art& a = text_art(3);
    KTextStreamHandle s = open(a);
    ASSERT_EQ(streams->set_position(s, 2, -1), kNoErr);
    a.text->chars.resize(2);
    std::uint16_t c = 0;
    EXPECT_EQ(streams->get_char(s, &c), kTextOutOfRangeErr);
    streams->close_stream(s);
}

struct LockCase {
    std::int32_t attributes;
    std::size_t chars;
    KBool locked;
};
class LockQuery : public TextTest, public testing::WithParamInterface<LockCase> {};

TEST_P(LockQuery, LockedOrHiddenTextIsSkipped) {
    kh::Art& a = text_art(GetParam().chars);
    doc().set_attributes(a, kArtLocked | kArtHidden | kArtSelected, GetParam().attributes);
    KBool yes = -1;
    EXPECT_EQ(streams->is_text_locked(h(a), 3, &yes), kNoErr);
    EXPECT_EQ(yes, GetParam().locked);
}

INSTANTIATE_TEST_SUITE_P(Attributes, LockQuery,
                         testing::Values(LockCase{0, 3, 0}, LockCase{kArtSelected, 3, 0}, LockCase{kArtLocked, 3, 1},
                                         LockCase{kArtHidden, 3, 1}, LockCase{kArtSelected, 0, 0}));

TEST_F(TextTest, ArtThatIsNotTextIsRefused) {
    kh::Art& path = doc().new_art(kPathArt, doc().current_layer());
    KBool yes = 0;
    KTextStreamHandle s = nullptr;
    EXPECT_EQ(streams->is_text_locked(h(path), 3, &yes), kBadParameterErr);
    EXPECT_EQ(streams->open_stream(h(path), 3, &s), kBadParameterErr);
    EXPECT_EQ(streams->is_text_locked(nullptr, 3, &yes), kBadParameterErr);
    EXPECT_EQ(streams->open_stream(nullptr, 3, &s), kBadParameterErr);
    EXPECT_EQ(kh::live_text_streams(), 0u);
}

TEST_F(TextTest, EveryTextTypeOpens) {
    for (std::int16_t type : {kTextArt, kTextPathArt, kTextRunArt}) {
        KTextStreamHandle s = open(text_art(2, type));
        EXPECT_EQ(count_chars(s), 2) << type;
        EXPECT_EQ(streams->close_stream(s), kNoErr);
    }
}

TEST_F(TextTest, ClosedStreamIsStale) {
    KTextStreamHandle s = open(text_art(3));
    ASSERT_EQ(streams->close_stream(s), kNoErr);
    std::int32_t pos = 0;
    std::uint16_t c = 0;
    int32_t value = 1;
    int16_t state = 0;
    EXPECT_EQ(streams->close_stream(s), kBadParameterErr);
    EXPECT_EQ(streams->set_position(s, 0, 1), kBadParameterErr);
    EXPECT_EQ(streams->get_position(s, 1, &pos), kBadParameterErr);
    EXPECT_EQ(streams->get_char(s, &c), kBadParameterErr);
    EXPECT_EQ(streams->begin_span(s, &value, &state), kBadParameterErr);
    // A new stream reuses the slot but not the handle.
    KTextStreamHandle t = open(text_art(1));
    EXPECT_NE(t, s);
    EXPECT_EQ(streams->set_position(s, 0, 1), kBadParameterErr);
    streams->close_stream(t);
}

TEST_F(TextTest, NullAndForeignStreamHandlesAreRefused) {
    KDictionaryHandle d = nullptr;
    ASSERT_EQ(dicts->create_dictionary(&d), kNoErr);
    const auto foreign = reinterpret_cast<KTextStreamHandle>(d);
    const auto art_as_stream = reinterpret_cast<KTextStreamHandle>(h(text_art(1)));
    for (KTextStreamHandle bad : {KTextStreamHandle{}, foreign, art_as_stream}) {
        EXPECT_EQ(streams->set_position(bad, 0, 1), kBadParameterErr);
        EXPECT_EQ(streams->close_stream(bad), kBadParameterErr);
    }
    dicts->release_dictionary(d);
}

TEST_F(TextTest, StreamOverDisposedArtIsRefused) {
    kh::Art& a = text_art(3);
    KTextStreamHandle s = open(a);
    doc().dispose(a);
    EXPECT_EQ(streams->set_position(s, 0, 1), kBadParameterErr);
    EXPECT_EQ(streams->close_stream(s), kNoErr);
}

TEST_F(TextTest, StreamOfAReplacedDocumentIsRefused) {
    KTextStreamHandle s = open(text_art(3));
    host.set_document(std::make_unique<kh::Document>());
    text_art(3);  // same slot in the new document's art table
    EXPECT_EQ(streams->set_position(s, 0, 1), kBadParameterErr);
    EXPECT_EQ(streams->close_stream(s), kNoErr);
}

TEST_F(TextTest, NullOutputsAreRefused) {
    KTextStreamHandle s = open(text_art(1));
    ASSERT_EQ(streams->set_position(s, 0, 1), kNoErr);
    int32_t value = 1;
    int16_t state = 0;
    EXPECT_EQ(streams->get_position(s, 1, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->get_char(s, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->get_char_style(s, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->set_char_style(s, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->get_face(s, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->get_path_style(s, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->set_path_style(s, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->begin_span(s, nullptr, &state), kBadParameterErr);
    EXPECT_EQ(streams->begin_span(s, &value, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->set_span(s, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->end_span(s, &value, nullptr), kBadParameterErr);
    EXPECT_EQ(streams->open_stream(h(text_art(1)), 3, nullptr), kBadParameterErr);
    streams->close_stream(s);
}

TEST_F(TextTest, LeakedStreamsAndDictionariesAreCounted) {
    KTextStreamHandle a = open(text_art(1));
    KTextStreamHandle b = open(text_art(2));
    KDictionaryHandle d = nullptr, e = nullptr;
    dicts->create_dictionary(&d);
    dicts->create_dictionary(&e);
    EXPECT_EQ(kh::live_text_streams(), 2u);
    EXPECT_EQ(kh::live_dictionaries(), 2u);
    streams->close_stream(a);
    dicts->release_dictionary(e);
    EXPECT_EQ(kh::live_text_streams(), 1u);
    EXPECT_EQ(kh::live_dictionaries(), 1u);
    streams->close_stream(b);
    dicts->release_dictionary(d);
    EXPECT_EQ(kh::live_text_streams(), 0u);
    EXPECT_EQ(kh::live_dictionaries(), 0u);
}

// Leaks of one host do not count against the next, and its handles are stale there.
TEST(TextHosts, NewHostStartsWithoutStreamsOrDictionaries) {
    KTextStreamHandle s = nullptr;
    {
        kh::Host first;
        auto* suite = static_cast<const KTextStreamSuite*>(
            first.suites().find(kAITextStreamSuite, kAITextStreamSuiteVersion));
        kh::Art& a = first.document().new_art(kTextArt, first.document().current_layer());
        ASSERT_EQ(suite->open_stream(first.document().handle_of(a), 3, &s), kNoErr);
        EXPECT_EQ(kh::live_text_streams(), 1u);
    }
    kh::Host second;
    auto* suite =
        static_cast<const KTextStreamSuite*>(second.suites().find(kAITextStreamSuite, kAITextStreamSuiteVersion));
    EXPECT_EQ(kh::live_text_streams(), 0u);
    EXPECT_EQ(suite->close_stream(s), kBadParameterErr);
}

}  // namespace
