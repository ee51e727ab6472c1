// The document suites through their C tables: setup and redraws, colour
// models, layers, swatch positions and colours, and views with their point
// conversions.
#include <cstring>
#include <memory>
#include <string>

#include "document_fixture.hpp"

namespace {

using DocumentSuites = DocumentTest;

TEST_F(DocumentSuites, SetupPageSizeColourModelAndRedraws) {
    KDocumentSetup setup{};
    ASSERT_EQ(document_suite->get_document_setup(&setup), kNoErr);
    EXPECT_EQ(setup.width, 612);
    EXPECT_EQ(setup.height, 792);
    setup.width = 400;
    ASSERT_EQ(document_suite->set_document_setup(&setup), kNoErr);
    KRealPoint size{};
    ASSERT_EQ(document_suite->get_document_page_size(&size), kNoErr);
    EXPECT_EQ(size.h, 400);
    EXPECT_EQ(size.v, 792);
    setup.height = 0;
    EXPECT_EQ(document_suite->set_document_setup(&setup), kBadParameterErr);
    EXPECT_EQ(doc().page_height(), 792);

    int16_t model = -1;
    ASSERT_EQ(document_suite->get_document_colour_model(&model), kNoErr);
    EXPECT_EQ(model, kRGBModel);
    EXPECT_EQ(document_suite->redraw_document(), kNoErr);
    EXPECT_EQ(document_suite->redraw_document(), kNoErr);
    EXPECT_EQ(doc().redraw_count(), 2);
    EXPECT_EQ(document_suite->get_document_setup(nullptr), kBadParameterErr);
}

TEST_F(DocumentSuites, InsertedLayerIsInFrontAndCurrentAndReceivesNewArt) {
    KLayerHandle first = nullptr, front = nullptr, below = nullptr, current = nullptr;
    ASSERT_EQ(layer_suite->get_nth_layer(0, &first), kNoErr);
    ASSERT_EQ(layer_suite->insert_layer(nullptr, kPlaceAboveAll, &front), kNoErr);
    ASSERT_EQ(layer_suite->get_current_layer(&current), kNoErr);
    EXPECT_EQ(current, front);
    int32_t count = 0;
    ASSERT_EQ(layer_suite->count_layers(&count), kNoErr);
    EXPECT_EQ(count, 2);
    KLayerHandle nth = nullptr;
    ASSERT_EQ(layer_suite->get_nth_layer(1, &nth), kNoErr);
    EXPECT_EQ(nth, front);
    KArtHandle made = nullptr;
    ASSERT_EQ(art_suite->new_art(kPathArt, kPlaceAboveAll, nullptr, &made), kNoErr);
    KLayerHandle of_made = nullptr;
    ASSERT_EQ(art_suite->get_layer_of_art(made, &of_made), kNoErr);
    EXPECT_EQ(of_made, front);

    // Directly behind a reference; then back to the first layer.
    ASSERT_EQ(layer_suite->insert_layer(front, kPlaceBelow, &below), kNoErr);
    ASSERT_EQ(layer_suite->get_nth_layer(1, &nth), kNoErr);
    EXPECT_EQ(nth, below);
    ASSERT_EQ(layer_suite->set_current_layer(first), kNoErr);
    ASSERT_EQ(layer_suite->get_current_layer(&current), kNoErr);
    EXPECT_EQ(current, first);

    KLayerHandle out = reinterpret_cast<KLayerHandle>(1);
    EXPECT_EQ(layer_suite->insert_layer(nullptr, kPlaceAbove, &out), kBadParameterErr);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(layer_suite->insert_layer(first, kPlaceInsideOnTop, &out), kBadParameterErr);
    EXPECT_EQ(layer_suite->get_nth_layer(3, &out), kBadParameterErr);
    EXPECT_EQ(layer_suite->get_nth_layer(-1, &out), kBadParameterErr);
    EXPECT_EQ(layer_suite->set_current_layer(reinterpret_cast<KLayerHandle>(made)), kBadParameterErr);
}

TEST_F(DocumentSuites, LayerTitlesAreCopiedAndCut) {
    KLayerHandle layer = nullptr;
    ASSERT_EQ(layer_suite->get_current_layer(&layer), kNoErr);
    char title[32];
    ASSERT_EQ(layer_suite->get_layer_title(layer, title, sizeof title), kNoErr);
    EXPECT_STREQ(title, "Layer 1");
    ASSERT_EQ(layer_suite->set_layer_title(layer, "Tapestry copies"), kNoErr);
    char small[8];
    ASSERT_EQ(layer_suite->get_layer_title(layer, small, sizeof small), kNoErr);
    EXPECT_STREQ(small, "Tapestr");
    EXPECT_EQ(layer_suite->get_layer_title(layer, small, 0), kBadParameterErr);
    EXPECT_EQ(layer_suite->set_layer_title(layer, nullptr), kBadParameterErr);
    EXPECT_EQ(layer_suite->get_layer_title(nullptr, title, sizeof title), kBadParameterErr);
}

struct SwatchPositionCase {
    int32_t position;
    KResult result;
    const char* name;  // nullptr: no swatch
};

class SwatchPositions : public DocumentTest, public testing::WithParamInterface<SwatchPositionCase> {};

TEST_P(SwatchPositions, CountFromOne) {
    const SwatchPositionCase& c = GetParam();
    int32_t count = 0;
    ASSERT_EQ(swatch_suite->count_swatches(nullptr, &count), kNoErr);
    ASSERT_EQ(count, 14);
    const int32_t position = c.position == 99 ? count : c.position == 100 ? count + 1 : c.position;
    KSwatchHandle swatch = reinterpret_cast<KSwatchHandle>(1);
    EXPECT_EQ(swatch_suite->get_nth_swatch(nullptr, position, &swatch), c.result);
    if (c.name == nullptr) {
        EXPECT_EQ(swatch, nullptr);
        return;
    }
    char name[32];
    ASSERT_EQ(swatch_suite->get_swatch_name(swatch, name, sizeof name), kNoErr);
    EXPECT_STREQ(name, c.name);
}

INSTANTIATE_TEST_SUITE_P(Positions, SwatchPositions,
                         testing::Values(SwatchPositionCase{1, kNoErr, "White"},
                                         SwatchPositionCase{2, kNoErr, "Black"},
                                         SwatchPositionCase{99, kNoErr, "Kestrel Spot"},  // the last
                                         SwatchPositionCase{0, kNoSuchSwatchErr, nullptr},
                                         SwatchPositionCase{-3, kNoSuchSwatchErr, nullptr},
                                         SwatchPositionCase{100, kNoSuchSwatchErr, nullptr}));  // count + 1

struct ModelCase {
    int model;
    int32_t colour_kind;  // kind of the white .. magenta swatches
};

class DefaultSwatches : public testing::TestWithParam<ModelCase> {};

TEST_P(DefaultSwatches, FollowTheColourModelWithOneSpotColour) {
    kh::Document doc(300, 200, GetParam().model);
    ASSERT_EQ(doc.swatches().size(), 14u);
    for (std::size_t i = 0; i + 1 < doc.swatches().size(); ++i)
        EXPECT_EQ(doc.swatches()[i]->colour.kind, GetParam().colour_kind) << doc.swatches()[i]->name;
    EXPECT_EQ(doc.swatches().back()->colour.kind, kSpotColour);
    // White and black in the model's terms.
    const KColour& white = doc.swatch_at(1)->colour;
    const KColour& black = doc.swatch_at(2)->colour;
    switch (GetParam().model) {
    case kGreyModel:
        EXPECT_EQ(white.body[0], 1);
        EXPECT_EQ(black.body[0], 0);
        break;
    case kCMYKModel:
        EXPECT_EQ(white.body[3], 0);
        EXPECT_EQ(black.body[3], 1);
        break;
    default:
        EXPECT_EQ(white.body[2], 1);
        EXPECT_EQ(black.body[2], 0);
    }
    EXPECT_EQ(doc.default_path_style().fill.kind, GetParam().colour_kind);
}

INSTANTIATE_TEST_SUITE_P(Models, DefaultSwatches,
                         testing::Values(ModelCase{kGreyModel, kGreyColour}, ModelCase{kRGBModel, kRGBColour},
                                         ModelCase{kCMYKModel, kProcessColour}));

TEST_F(DocumentSuites, SwatchColourIsTheWholeRecordAndListsAreChecked) {
    KColour spot_record = kh::spot_colour(0.5, 0.1, 0.2, 0.3, 0.4);
    spot_record.body[9] = 42;  // the host's words travel too
    doc().add_swatch("Spot", spot_record);
    int32_t count = 0;
    ASSERT_EQ(swatch_suite->count_swatches(doc().swatch_list_handle(), &count), kNoErr);
    KSwatchHandle swatch = nullptr;
    ASSERT_EQ(swatch_suite->get_nth_swatch(nullptr, count, &swatch), kNoErr);
    KColour colour{};
    ASSERT_EQ(swatch_suite->get_swatch_colour(swatch, &colour), kNoErr);
    EXPECT_EQ(std::memcmp(&colour, &spot_record, sizeof colour), 0);

    const auto foreign = reinterpret_cast<KSwatchListHandle>(swatch);
    EXPECT_EQ(swatch_suite->count_swatches(foreign, &count), kBadParameterErr);
    EXPECT_EQ(swatch_suite->get_nth_swatch(foreign, 1, &swatch), kBadParameterErr);
    EXPECT_EQ(swatch_suite->get_swatch_colour(nullptr, &colour), kBadParameterErr);
    // Rebuilding the list makes the old swatch handles stale.
    ASSERT_EQ(swatch_suite->get_nth_swatch(nullptr, 1, &swatch), kNoErr);
    doc().set_default_swatches();
    EXPECT_EQ(swatch_suite->get_swatch_colour(swatch, &colour), kBadParameterErr);
}

TEST_F(DocumentSuites, ViewZeroShowsThePageAndConvertsIntegerPointsExactly) {
    int32_t views = 0;
    ASSERT_EQ(view_suite->count_document_views(&views), kNoErr);
    EXPECT_EQ(views, 1);
    KDocumentViewHandle view = nullptr;
    ASSERT_EQ(view_suite->get_nth_document_view(0, &view), kNoErr);
    KRealRect bounds{};
    ASSERT_EQ(view_suite->get_document_view_bounds(view, &bounds), kNoErr);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.bottom, 0);
    EXPECT_EQ(bounds.right, 612);
    EXPECT_EQ(bounds.top, 792);
    KRealPoint centre{};
    ASSERT_EQ(view_suite->get_document_view_centre(view, &centre), kNoErr);
    EXPECT_EQ(centre.h, 306);
    EXPECT_EQ(centre.v, 396);

    for (const KRealPoint p : {KRealPoint{0, 0}, KRealPoint{612, 792}, KRealPoint{17, 700}, KRealPoint{-5, 900}}) {
        KIntPoint px{};
        ASSERT_EQ(view_suite->artwork_point_to_view_point(view, &p, &px), kNoErr);
        EXPECT_EQ(px.h, static_cast<int32_t>(p.h));
        EXPECT_EQ(px.v, static_cast<int32_t>(792 - p.v));  // y down from the top
        KRealPoint back{};
        ASSERT_EQ(view_suite->view_point_to_artwork_point(view, &px, &back), kNoErr);
        EXPECT_EQ(back.h, p.h);
        EXPECT_EQ(back.v, p.v);
    }
    // The C++ shortcuts go through the same view.
    EXPECT_EQ(doc().artwork_to_view(KRealPoint{10, 782}).v, 10);
}

TEST_F(DocumentSuites, ZoomNarrowsTheViewAboutItsCentre) {
    KDocumentViewHandle view = nullptr;
    ASSERT_EQ(view_suite->get_nth_document_view(0, &view), kNoErr);
    ASSERT_EQ(view_suite->set_document_view_zoom(view, 2), kNoErr);
    KReal zoom = 0;
    ASSERT_EQ(view_suite->get_document_view_zoom(view, &zoom), kNoErr);
    EXPECT_EQ(zoom, 2);
    KRealRect bounds{};
    ASSERT_EQ(view_suite->get_document_view_bounds(view, &bounds), kNoErr);
    EXPECT_EQ(bounds.left, 306 - 153);
    EXPECT_EQ(bounds.right, 306 + 153);
    EXPECT_EQ(bounds.top, 396 + 198);
    const KRealPoint p{153, 594};  // the top-left corner of the visible area
    KIntPoint px{};
    ASSERT_EQ(view_suite->artwork_point_to_view_point(view, &p, &px), kNoErr);
    EXPECT_EQ(px.h, 0);
    EXPECT_EQ(px.v, 0);
    const KIntPoint one{1, 1};
    KRealPoint back{};
    ASSERT_EQ(view_suite->view_point_to_artwork_point(view, &one, &back), kNoErr);
    EXPECT_EQ(back.h, 153.5f);
    EXPECT_EQ(back.v, 593.5f);

    EXPECT_EQ(view_suite->set_document_view_zoom(view, 0), kBadParameterErr);
    EXPECT_EQ(view_suite->set_document_view_zoom(view, -1), kBadParameterErr);
    ASSERT_EQ(view_suite->get_document_view_zoom(view, &zoom), kNoErr);
    EXPECT_EQ(zoom, 2);
    KDocumentViewHandle none = reinterpret_cast<KDocumentViewHandle>(1);
    EXPECT_EQ(view_suite->get_nth_document_view(1, &none), kBadParameterErr);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(view_suite->get_document_view_zoom(nullptr, &zoom), kBadParameterErr);
    EXPECT_EQ(view_suite->get_document_view_zoom(reinterpret_cast<KDocumentViewHandle>(doc().swatch_list_handle()), &zoom),
              kBadParameterErr);
}

// The colour model as the document suite reports it, and the fill records
// a drop shadow writes in each model (black, or a fill at half strength)
// kept whole: the host converts nothing between kinds.
struct ShadowFillCase {
    int model;
    KColour black;  // the shadow's fill without half fill
    KColour half;   // a fill at half strength in the model's kind
};

class ColourModels : public DocumentTest, public testing::WithParamInterface<ShadowFillCase> {};

TEST_P(ColourModels, SuiteReportsTheModelAndShadowFillsStayAsWritten) {
    const ShadowFillCase& c = GetParam();
    host.set_document(std::make_unique<kh::Document>(200, 100, c.model));
    int16_t model = -1;
    ASSERT_EQ(document_suite->get_document_colour_model(&model), kNoErr);
    EXPECT_EQ(model, c.model);
    const KArtHandle path = h(rect(0, 0, 10, 10));
    for (const KColour& fill : {c.black, c.half}) {
        KPathStyle style{};
        ASSERT_EQ(style_suite->get_path_style(path, &style), kNoErr);
        style.fill = fill;
        ASSERT_EQ(style_suite->set_path_style(path, &style), kNoErr);
        KPathStyle back{};
        ASSERT_EQ(style_suite->get_path_style(path, &back), kNoErr);
        EXPECT_EQ(std::memcmp(&back, &style, sizeof style), 0) << c.model << " kind " << fill.kind;
    }
    doc().set_colour_model((c.model + 1) % 3);
    ASSERT_EQ(document_suite->get_document_colour_model(&model), kNoErr);
    EXPECT_EQ(model, (c.model + 1) % 3);
}

INSTANTIATE_TEST_SUITE_P(
    Models, ColourModels,
    testing::Values(ShadowFillCase{kGreyModel, kh::grey_colour(0), kh::grey_colour(0.4)},
                    ShadowFillCase{kRGBModel, kh::rgb_colour(0, 0, 0), kh::rgb_colour(0.4, 0.3, 0.2)},
                    ShadowFillCase{kCMYKModel, kh::cmyk_colour(1, 1, 1, 1), kh::cmyk_colour(0.05, 0.1, 0.15, 0.2)}),
    [](const auto& info) { return std::to_string(info.param.model); });

TEST(DocumentModel, NewDocumentDefaults) {
    kh::Document doc;
    ASSERT_EQ(doc.layers().size(), 1u);
    EXPECT_EQ(doc.current_layer().name, "Layer 1");
    EXPECT_EQ(doc.colour_model(), kRGBModel);
    EXPECT_EQ(doc.art_count(), 0u);
    EXPECT_FALSE(doc.in_command());
    EXPECT_THROW(kh::Document(0, 100, kRGBModel), kh::HostError);
    EXPECT_THROW(kh::Document(100, 100, 3), kh::HostError);
}

}  // namespace
