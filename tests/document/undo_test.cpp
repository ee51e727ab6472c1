// The undo journal: one undo restores the document exactly after a mix of
// changes, handles of made art go stale and those of disposed art come back,
// repeated previews within one command, and the cost of a large preview.

#include <algorithm>
#include <vector>

#include "document_fixture.hpp"

namespace {

class Undo : public DocumentTest {
protected:
    // Layer 1: rect a, compound c, group g holding path gp, text t.
    void SetUp() override {
        a = &rect(0, 0, 10, 10);
        doc().set_tag(*a, "name", "a");
        c = &compound();
        g = &doc().new_art(kGroupArt, doc().current_layer());
        gp = &doc().new_art(kPathArt, kPlaceInsideOnTop, g);
        doc().set_path(*gp, Geom::Path(Geom::Rect(5, 5, 6, 6)));
        t = &doc().new_art(kTextArt, doc().current_layer());
        kh::TextChar ch;
        ch.code = 'K';
        ch.style.font_size = 12;
        ch.style.horizontal_scale = ch.style.vertical_scale = 1;
        ch.reals["Opacity"] = 1;
        t->text->chars = {ch, ch, ch};
        doc().begin_command();
    }

    kh::Art *a, *c, *g, *gp, *t;
};

TEST_F(Undo, RestoresTheDocumentExactlyAfterAMixOfChanges) {
    const std::string before = dump();
    const std::size_t art_before = doc().art_count();
    const KArtHandle ha = h(*a), hc = h(*c), hc1 = h(*c->first_child()), hgp = h(*gp);

    std::vector<KArtHandle> made;
    KArtHandle out = nullptr;
    ASSERT_EQ(art_suite->duplicate_art(ha, kPlaceAbove, ha, &out), kNoErr);
    made.push_back(out);
    ASSERT_EQ(art_suite->duplicate_art(hc, kPlaceAboveAll, nullptr, &out), kNoErr);
    made.push_back(out);
    ASSERT_EQ(art_suite->new_art(kPathArt, kPlaceInsideOnBottom, h(*g), &out), kNoErr);
    made.push_back(out);
    KLayerHandle layer = nullptr;
    ASSERT_EQ(layer_suite->insert_layer(nullptr, kPlaceAboveAll, &layer), kNoErr);
    ASSERT_EQ(layer_suite->set_layer_title(layer, "Preview"), kNoErr);
    ASSERT_EQ(layer_suite->set_layer_title(doc().handle_of(*doc().layers()[0]), "Renamed"), kNoErr);
    ASSERT_EQ(art_suite->duplicate_art(hgp, kPlaceAboveAll, nullptr, &out), kNoErr);  // onto the new layer
    made.push_back(out);

    KPathStyle red = doc().default_path_style();
    red.fill = kh::rgb_colour(1, 0, 0);
    red.stroke_width = 4;
    ASSERT_EQ(style_suite->set_path_style(hc, &red), kNoErr);
    ASSERT_EQ(style_suite->set_path_style(h(*g), &red), kNoErr);
    const KMatrix m{2, 0, 0, 2, 3, 3};
    ASSERT_EQ(transform_suite->transform_art(hc, &m, 2, kScaleLines), kNoErr);
    ASSERT_EQ(transform_suite->transform_art(h(*t), &m, 1, 15), kNoErr);
    ASSERT_EQ(blend_suite->set_opacity(ha, 0.5f), kNoErr);
    ASSERT_EQ(blend_suite->set_blending_mode(ha, kScreenBlend), kNoErr);
    ASSERT_EQ(art_suite->set_art_user_attr(h(*g), kArtSelected | kArtLocked, kArtSelected | kArtLocked), kNoErr);
    ASSERT_EQ(tag_suite->set_tag(ha, "name", "changed"), kNoErr);
    doc().will_modify(*t);
    t->text->chars[1].code = 'Q';
    t->text->chars[1].reals["Opacity"] = 0.25f;
    t->text->chars.pop_back();
    doc().move(*a, kPlaceInsideOnTop, g);
    ASSERT_EQ(art_suite->dispose_art(hc1), kNoErr);
    ASSERT_EQ(art_suite->dispose_art(made[0]), kNoErr);  // made, then disposed
    ASSERT_EQ(art_suite->dispose_art(h(*g)), kNoErr);    // now holding a, gp and a new path
    EXPECT_NE(dump(), before);

    ASSERT_EQ(undo_suite->undo_changes(), kNoErr);
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(doc().art_count(), art_before);
    EXPECT_EQ(doc().layers().size(), 1u);
    EXPECT_EQ(doc().journal_size(), 0u);
    EXPECT_EQ(doc().layer_from(layer), nullptr);
    for (KArtHandle m_handle : made) EXPECT_EQ(doc().art_from(m_handle), nullptr);
    // Disposed art is back, with the handles it had.
    EXPECT_EQ(doc().art_from(hc1), c->first_child());
    EXPECT_EQ(doc().art_from(hgp), gp);
    EXPECT_EQ(doc().art_from(ha), a);
    EXPECT_EQ(a->parent(), nullptr);
    int16_t type = 0;
    EXPECT_EQ(art_suite->get_art_type(hc1, &type), kNoErr);
}

TEST_F(Undo, RepeatedPreviewsInOneCommandEachUndoTheirOwnChanges) {
    const std::string before = dump();
    for (int preview = 0; preview < 3; ++preview) {
        ASSERT_EQ(undo_suite->undo_changes(), kNoErr);
        EXPECT_EQ(dump(), before) << preview;
        // Each preview changes the same old art again: undo must have saved it again.
        doc().set_opacity(*a, 0.1 * (preview + 1));
        const KMatrix push{1, 0, 0, 1, 1, 0};
        ASSERT_EQ(transform_suite->transform_art(h(*c), &push, 1, 15), kNoErr);
        kh::Art& copy = doc().duplicate(*c, kPlaceAboveAll, nullptr);
        doc().set_opacity(copy, 0.5);
    }
    ASSERT_EQ(undo_suite->undo_changes(), kNoErr);
    EXPECT_EQ(dump(), before);
}

TEST_F(Undo, ANewCommandMakesEarlierChangesPermanent) {
    kh::Art& copy = doc().duplicate(*a, kPlaceAboveAll, nullptr);
    const KArtHandle ha = h(*a);
    doc().dispose(*a);
    doc().begin_command();
    const std::string kept = dump();
    ASSERT_EQ(undo_suite->undo_changes(), kNoErr);
    EXPECT_EQ(dump(), kept);
    EXPECT_EQ(doc().art_from(ha), nullptr);
    EXPECT_EQ(doc().art_from(h(copy)), &copy);
}

TEST_F(Undo, ChangesOutsideACommandAreNotJournaled) {
    doc().end_command();
    kh::Art& made = rect(0, 0, 1, 1);
    doc().set_opacity(*a, 0.5);
    EXPECT_EQ(doc().journal_size(), 0u);
    ASSERT_EQ(undo_suite->undo_changes(), kNoErr);
    EXPECT_EQ(doc().art_from(h(made)), &made);
    EXPECT_FLOAT_EQ(a->opacity, 0.5f);
    // Disposing outside a command frees the art at once.
    const KArtHandle hm = h(made);
    doc().dispose(made);
    EXPECT_EQ(doc().art_from(hm), nullptr);
}

TEST_F(Undo, UndoingANewCurrentLayerRestoresTheOldOne) {
    kh::Layer& first = doc().current_layer();
    doc().add_layer("Second");
    doc().end_command();
    doc().begin_command();
    kh::Layer& second = doc().current_layer();
    doc().set_current_layer(first);
    doc().insert_layer(kPlaceAboveAll, nullptr);
    ASSERT_EQ(undo_suite->undo_changes(), kNoErr);
    EXPECT_EQ(&doc().current_layer(), &second);
    EXPECT_EQ(doc().layers().size(), 2u);
}

// One preview of the first filter's size: undo the previous 40,000 copies,
// then 40,000 times duplicate, read bounds, transform, get and set the style.
TEST(UndoAtScale, RepeatedPreviewsLeaveOnlyTheLastOne) {
    kh::Host host;
    kh::Document& doc = host.document();
    auto* art = static_cast<const KArtSuite*>(host.suites().find(kAIArtSuite, kAIArtSuiteVersion));
    auto* style = static_cast<const KPathStyleSuite*>(host.suites().find(kAIPathStyleSuite, kAIPathStyleSuiteVersion));
    auto* transform =
        static_cast<const KTransformArtSuite*>(host.suites().find(kAITransformArtSuite, kAITransformArtSuiteVersion));
    auto* undo = static_cast<const KUndoSuite*>(host.suites().find(kAIUndoSuite, kAIUndoSuiteVersion));
    kh::Art& source = doc.new_art(kPathArt, doc.current_layer());
    doc.set_path(source, Geom::Path(Geom::Rect(0, 0, 10, 20)));
    const KArtHandle src = doc.handle_of(source);
    doc.begin_command();

    // One preview as a filter makes it: undo the last one, then copy, read
    // bounds, transform and restyle every copy.
    auto preview = [&](int copies) {
        EXPECT_EQ(undo->undo_changes(), kNoErr);
        for (int j = 0; j < copies; ++j) {
            KArtHandle copy = nullptr;
            KRealRect r;
            KPathStyle s;
            const KMatrix m{0.99f, 0, 0, 0.99f, 1, 2};
            if (art->duplicate_art(src, kPlaceAbove, src, &copy) != kNoErr || art->get_bounds(copy, &r) != kNoErr ||
                transform->transform_art(copy, &m, 1, 15) != kNoErr || style->get_path_style(copy, &s) != kNoErr ||
                style->set_path_style(copy, &s) != kNoErr) {
                ADD_FAILURE() << "suite call failed at copy " << j;
                break;
            }
        }
    };
    for (int copies : {5000, 1000, 5000, 2000}) preview(copies);
    // Only the last preview's copies remain, and the journal holds only them
    // (undo work stays proportional to the last preview, not to all of them).
    EXPECT_EQ(doc.art_count(), 2001u);
    EXPECT_EQ(doc.journal_size(), 2000u);
    EXPECT_EQ(undo->undo_changes(), kNoErr);
    EXPECT_EQ(doc.art_count(), 1u);
    EXPECT_EQ(doc.journal_size(), 0u);
}

}  // namespace
