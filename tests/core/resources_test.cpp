// Parsing of the resource documents a plug-in embeds.
#include <gtest/gtest.h>

#include <string>

#include "host/plugins/resources.hpp"

namespace kh = kestrel::host;

namespace {

TEST(Resources, LaterDocumentsAddToEarlierOnes) {
    const std::string shell = R"({"property_lists": {"16000": {"vendor": "ADBE", "kind": "SPEA",
        "interface_version": 2, "entry_point": "PluginMain"}},
        "string_lists": {"16050": ["<Mac strings begin at index 1>", "-108", "out of memory"]}})";
    const std::string filter = R"({"string_lists": {"16000": ["<First Mac index is 1>", "Kestrel <Paths>", "Wanderlust..."]},
        "dialogs": {"16050": {"caption": "About", "size": [305, 161],
            "items": [{"id": 1, "kind": "button", "default": true, "rect": [128, 141, 40, 14], "text": "&OK"}]}},
        "parameter_fields": [{"name": "basic_pattern", "type": "bool"}, {"name": "scale_step", "type": "real"}]})";
    const std::string section = shell + std::string(1, '\0') + filter + std::string(1, '\0');
    const kh::Resources r = kh::parse_resources(section);
    EXPECT_EQ(r.property_lists.at(16000).vendor, "ADBE");
    EXPECT_EQ(r.indexed_string(16000, 2), "Wanderlust...");
    EXPECT_EQ(r.indexed_string(16000, 3), "");   // past the end
    EXPECT_EQ(r.indexed_string(16001, 0), "");   // no such list
    EXPECT_EQ(r.indexed_string(16050, 1), "-108");
    const kh::DialogResource* about = r.dialog(16050);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->width, 305);
    ASSERT_EQ(about->items.size(), 1u);
    EXPECT_EQ(about->items[0].rect.left, 128);
    EXPECT_EQ(about->items[0].rect.right, 168);
    EXPECT_EQ(about->items[0].rect.bottom, 155);
    EXPECT_TRUE(about->items[0].is_default);
    ASSERT_NE(r.field("scale_step"), nullptr);
    EXPECT_EQ(r.field("scale_step")->index, 1);
    EXPECT_EQ(r.field("scale_step")->type, kh::ParameterField::Type::Real);
    EXPECT_EQ(r.field("copies"), nullptr);
}

TEST(Resources, MalformedDocumentsNameTheProblem) {
    struct Case {
        std::string section;
        std::string mentions;
    } cases[] = {
        {"{not json", "resource document 1"},
        {std::string("{}\0[1]", 6), "resource document 2"},
        {R"({"dialogs": {"abc": {}}})", "\"abc\""},
        {R"({"parameter_fields": [{"name": "x", "type": "complex"}]})", "unknown type"},
        {R"({"dialogs": {"1": {"items": [{"id": 1, "rect": [1, 2]}]}}})", "rect"},
    };
    for (const Case& c : cases) {
        try {
            kh::parse_resources(c.section);
            ADD_FAILURE() << "accepted: " << c.section;
        } catch (const kh::ResourceError& e) {
            EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
        }
    }
}

TEST(Resources, ReadingASectionFromFilesThatAreNotLibraries) {
    EXPECT_THROW(kh::read_resource_section("/nonexistent/libX.so"), kh::ResourceError);
    // This test's own source is not an ELF file.
    EXPECT_THROW(kh::read_resource_section(__FILE__), kh::ResourceError);
}

}  // namespace
