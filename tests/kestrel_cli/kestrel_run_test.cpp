// kestrel run and friends, through the real binary and plug-ins.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

namespace {

struct Result {
    int status;
    std::string out;  // standard output and standard error together
};

Result kestrel(const std::string& args) {
    const std::string command = std::string("'") + KESTREL_BINARY + "' --plugins '" + KESTREL_PLUGIN_DIR + "' " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, ""};
    std::string out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::string temp(const std::string& name) { return ::testing::TempDir() + "/kestrel_cli_" + name; }

std::string slurp(const std::string& file) {
    std::ifstream in(file);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

nlohmann::json json_file(const std::string& file) { return nlohmann::json::parse(slurp(file)); }

// Objects on the document's layers (top level).
std::size_t art_count(const nlohmann::json& doc) {
    std::size_t n = 0;
    for (const auto& layer : doc["layers"]) n += layer["art"].size();
    return n;
}

TEST(KestrelRun, SameInputsAndSeedGiveTheSameBytes) {
    const std::string a = temp("a.svg"), b = temp("b.svg"), c = temp("c.svg");
    ASSERT_EQ(kestrel("run wanderlust -o " + a + " --seed 5 --set random_direction=1").status, 0);
    ASSERT_EQ(kestrel("run WANDERLUST -o " + b + " --seed 5 --set random_direction=1").status, 0);
    ASSERT_EQ(kestrel("run TK57_Wanderlust -o " + c + " --seed 6 --set random_direction=1").status, 0);
    EXPECT_EQ(slurp(a), slurp(b));
    EXPECT_NE(slurp(a), slurp(c));
}

TEST(KestrelRun, SetIsTypedInBeforeTheDialogAndBeforeGo) {
    // Typed in before the init proc reads the block: the item clamps copies to 3.
    const std::string p = temp("p.json"), d = temp("d.json");
    ASSERT_EQ(kestrel("run wanderlust --set copies=1 --dialog ok --params-json " + p + " --json " + d).status, 0);
    EXPECT_EQ(json_file(p)["copies"], 3);
    EXPECT_EQ(art_count(json_file(d)), 4u * 3u);  // four sample objects, three copies each
    // Written again before --go, once the block exists: the generation gets 1.
    ASSERT_EQ(kestrel("run wanderlust --set preview=0 --set copies=1 --dialog cancel --go --params-json " + p +
                      " --json " + d).status, 0);
    EXPECT_EQ(json_file(p)["copies"], 1);
    EXPECT_EQ(art_count(json_file(d)), 4u);
}

TEST(KestrelRun, ZigguratBuildsATowerOfWarpedCopiesAndShadowsOverEachSampleObject) {
    const std::string d = temp("towers.json"), png = temp("towers.png");
    ASSERT_EQ(kestrel("run ziggurat --set warp=1 --dialog 'click 62; check 40 1; ok' --json " + d + " -o " + png).status,
              0);
    const auto doc = json_file(d);
    // Four selected objects, each replaced by 8 + 7 + ... + 1 copies, every
    // copy in its warp envelope with its shadow behind it.
    ASSERT_EQ(art_count(doc), 4u * 36u * 2u);
    std::size_t envelopes = 0;
    for (const auto& art : doc["layers"][0]["art"]) {
        if (art["type"] == "envelope") {
            ++envelopes;
            EXPECT_EQ(art["children"].size(), 1u);
        }
    }
    EXPECT_EQ(envelopes, 4u * 36u);
    EXPECT_EQ(slurp(png).substr(1, 3), "PNG");
}

TEST(KestrelRun, DialogsAndGoRunInOrderInOneSession) {
    const std::string s = temp("states.json"), d = temp("d2.json");
    ASSERT_EQ(kestrel("run wanderlust --dialog 'set 4 30; cancel' --dialog ok --dialog-json " + s + " --json " + d).status, 0);
    const auto states = json_file(s);
    // Init, set, cancel of the first dialog; init and ok of the second.
    ASSERT_EQ(states.size(), 5u);
    EXPECT_EQ(states[1]["event"], "set 4 30");
    // Cancel restored copies 20, so the second dialog made 20 copies per object.
    EXPECT_EQ(art_count(json_file(d)), 4u * 20u);
    EXPECT_GT(json_file(d)["random_draws"].get<int>(), 0);
}

TEST(KestrelRun, ErrorsAreClearAndFail) {
    struct Case {
        std::string args;
        std::string says;
    } cases[] = {
        {"run wanderlust --set copiez=3", "valid fields: basic_pattern"},
        {"run wanderlust --set copies=many", "wants an integer"},
        {"run wanderlust --dialog 'set 4 30'", "events ended while the dialog was open"},
        {"run wanderlust --dialog 'click 99; ok'", "99"},
        {"run nosuchfilter", "no filter named \"nosuchfilter\""},
        {"run wanderlust --select 0,9", "past the document"},
        {"run wanderlust --page 10by10", "--page wants"},
        {"run wanderlust --colour-model hsv", "grey, rgb or cmyk"},
    };
    for (const Case& c : cases) {
        const Result r = kestrel(c.args);
        EXPECT_NE(r.status, 0) << c.args;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << "\n" << r.out;
    }
}

TEST(KestrelRun, ScriptedDrawsAndSelection) {
    const std::string draws = temp("draws.txt"), d = temp("d3.json");
    std::ofstream(draws) << "0.5\n0.25\n";
    ASSERT_EQ(kestrel("run wanderlust --draws " + draws + " --select 1 --set copies=3 --set preview=0 --dialog cancel --go --json " + d).status, 0);
    const auto doc = json_file(d);
    // One source chained into three copies, the three others left as they were.
    EXPECT_EQ(art_count(doc), 3u + 3u);
    EXPECT_EQ(doc["random_draws"], 6);
    std::ofstream(draws) << "1.5\n";
    EXPECT_NE(kestrel("run wanderlust --draws " + draws).status, 0);
}

TEST(KestrelRun, RunsOnAnSvgInputGivenAfterOptions) {
    const std::string svg = temp("in.svg"), d = temp("d4.json");
    std::ofstream(svg) << R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="100">
        <rect x="10" y="10" width="30" height="20" fill="#ff0000" kestrel:selected="1" xmlns:kestrel="urn:kestrel"/>
        <circle cx="100" cy="50" r="10" fill="blue" kestrel:selected="0" xmlns:kestrel="urn:kestrel"/>
      </svg>)";
    // The file selects the rectangle and not the circle.
    ASSERT_EQ(kestrel("run wanderlust --set copies=3 " + svg + " --json " + d).status, 0);
    auto doc = json_file(d);
    EXPECT_EQ(doc["page"]["width"], 200);
    EXPECT_EQ(art_count(doc), 3u + 1u);
    // --select overrides the file's marks.
    ASSERT_EQ(kestrel("run wanderlust --set copies=3 " + svg + " --select all --json " + d).status, 0);
    EXPECT_EQ(art_count(json_file(d)), 3u + 3u);
    std::ofstream(svg) << "<svg><rect width='oops'/></svg>";
    const Result bad = kestrel("run wanderlust " + svg);
    EXPECT_NE(bad.status, 0);
    EXPECT_NE(bad.out.find("in.svg:1"), std::string::npos) << bad.out;
}

TEST(KestrelRun, ScatterboxPaintsNewShapesWithTheDefaultStyle) {
    const std::string d = temp("scatter.json"), svg = temp("styled.svg");
    // No input: an empty 612 by 792 page; the shapes go on a new layer.
    ASSERT_EQ(kestrel("run scatterbox --default-style 'fill:#c33;stroke:#000;stroke-width:2' --json " + d).status, 0);
    auto doc = json_file(d);
    EXPECT_EQ(doc["page"]["width"], 612);
    EXPECT_EQ(doc["page"]["height"], 792);
    ASSERT_EQ(doc["layers"].size(), 2u);
    EXPECT_TRUE(doc["layers"][0]["art"].empty());
    ASSERT_EQ(doc["layers"][1]["art"].size(), 40u);
    for (const auto& art : doc["layers"][1]["art"]) {
        EXPECT_EQ(art["style"]["fill"]["components"], nlohmann::json::parse("[0.8, 0.2, 0.2]"));
        EXPECT_EQ(art["style"]["stroke_width"], 2.0);
    }
    // From the input's root element; the option overrides it.
    std::ofstream(svg) << R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:kestrel="urn:kestrel" width="300" height="200"
        kestrel:default-style="fill:none; stroke:blue; stroke-width:3"/>)";
    ASSERT_EQ(kestrel("run scatterbox " + svg + " --set number_of_shapes=5 --json " + d).status, 0);
    doc = json_file(d);
    ASSERT_EQ(doc["layers"][1]["art"].size(), 5u);
    EXPECT_EQ(doc["layers"][1]["art"][0]["style"]["fill_paint"], false);
    EXPECT_EQ(doc["layers"][1]["art"][0]["style"]["stroke_width"], 3.0);
    ASSERT_EQ(kestrel("run scatterbox " + svg + " --default-style stroke-width:0.5 --json " + d).status, 0);
    EXPECT_EQ(json_file(d)["layers"][1]["art"][0]["style"]["stroke_width"], 0.5);
    const Result bad = kestrel("run scatterbox --default-style 'fill:#c33;stroke-wdth:2'");
    EXPECT_NE(bad.status, 0);
    EXPECT_NE(bad.out.find("--default-style: \"stroke-wdth\" is not a default style property"), std::string::npos)
        << bad.out;
}

TEST(KestrelPlugins, ListsWanderlustAndItsAboutBox) {
    const Result list = kestrel("plugins");
    ASSERT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("TK57_Wanderlust"), std::string::npos);
    EXPECT_NE(list.out.find("Kestrel <Paths> > Wanderlust..."), std::string::npos);
    const Result about = kestrel("about wanderlust");
    ASSERT_EQ(about.status, 0);
    EXPECT_NE(about.out.find("Version Number: Vol 20.2"), std::string::npos);
    EXPECT_NE(about.out.find("Release Date: September 2006"), std::string::npos);
}

}  // namespace
