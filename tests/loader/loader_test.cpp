// The loader refuses libraries that are not plug-ins, names the file and
// the reason, and goes on with the others.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "host/core/host.hpp"
#include "host/plugins/plugin_manager.hpp"

namespace kh = kestrel::host;

namespace {

TEST(Loader, RefusesEachBadLibraryWithItsReason) {
    kh::Host host;
    EXPECT_EQ(host.plugins().load_folder(BAD_PLUGIN_DIR), 0);
    std::map<std::string, std::string> reasons;
    for (const auto& r : host.plugins().refused()) reasons[r.file.filename().string()] = r.reason;
    const std::map<std::string, std::string> expected = {
        {"libno_property_list.so", "no plug-in property list"},
        {"libwrong_vendor.so", "vendor is \"XXXX\""},
        {"libwrong_version.so", "interface version is 3"},
        {"libno_entry_point.so", "PluginMain does not resolve"},
        {"libbroken_resources.so", "resources:"},
    };
    for (const auto& [file, words] : expected) {
        ASSERT_TRUE(reasons.count(file)) << file << " was not refused";
        EXPECT_NE(reasons[file].find(words), std::string::npos) << file << ": " << reasons[file];
    }
    EXPECT_TRUE(host.plugins().plugins().empty());
}

TEST(Loader, AFolderThatCannotBeReadIsReported) {
    kh::Host host;
    EXPECT_EQ(host.plugins().load_folder("/nonexistent/plugins"), 0);
    ASSERT_EQ(host.plugins().refused().size(), 1u);
    EXPECT_NE(host.plugins().refused()[0].reason.find("cannot be read"), std::string::npos);
}

TEST(Loader, AFileThatIsNotALibraryIsRefused) {
    kh::Host host;
    const std::string path = ::testing::TempDir() + "/libnot_elf.so";
    std::ofstream(path) << "plain text";
    EXPECT_EQ(host.plugins().load_file(path), nullptr);
    ASSERT_EQ(host.plugins().refused().size(), 1u);
    EXPECT_NE(host.plugins().refused()[0].reason.find("not an ELF library"), std::string::npos);
}

}  // namespace
