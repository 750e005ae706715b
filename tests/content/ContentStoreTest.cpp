// The built content store holds every file the program opens, and the sources define exactly
// those files; the builder's output is a pure function of the sources.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <unistd.h>

#include "content/ContentStore.h"
#include "contentbuild/ContentBuilder.h"

namespace tavra::test {
namespace {

namespace fs = std::filesystem;

TEST(ContentStore, EveryFileExistsBesideTheExecutable) {
  std::vector<std::string> missing;
  for (const std::string& file : expectedStoreFiles()) {
    const fs::path path = storeDir() / file;
    if (!fs::is_regular_file(path) || fs::file_size(path) == 0) missing.push_back(file);
  }
  EXPECT_TRUE(missing.empty()) << "missing or empty: " << testing::PrintToString(missing);
}

TEST(ContentStore, SourcesDefineExactlyTheStore) {
  auto outputs = content::ContentBuilder(contentSourceDir()).outputs();
  ASSERT_TRUE(outputs.ok()) << outputs.error();
  std::set<std::string> built;
  for (const auto& output : *outputs) built.insert(output.name);
  const auto expectedList = expectedStoreFiles();
  const std::set<std::string> expected(expectedList.begin(), expectedList.end());
  std::vector<std::string> extra, absent;
  std::set_difference(built.begin(), built.end(), expected.begin(), expected.end(), std::back_inserter(extra));
  std::set_difference(expected.begin(), expected.end(), built.begin(), built.end(), std::back_inserter(absent));
  EXPECT_TRUE(extra.empty()) << "not in the store list: " << testing::PrintToString(extra);
  EXPECT_TRUE(absent.empty()) << "no source for: " << testing::PrintToString(absent);
}

class TemporaryDir {
 public:
  explicit TemporaryDir(const std::string& name) : path_(fs::temp_directory_path() / name) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TemporaryDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

TEST(ContentStore, BuildingTwiceGivesIdenticalBytesAndMatchesTheBuiltStore) {
  const content::ContentBuilder builder(contentSourceDir());
  TemporaryDir first("tavra-content-a-" + std::to_string(::getpid()));
  TemporaryDir second("tavra-content-b-" + std::to_string(::getpid()));
  auto a = builder.buildAll(first.path());
  ASSERT_TRUE(a.ok()) << a.error();
  auto b = builder.buildAll(second.path());
  ASSERT_TRUE(b.ok()) << b.error();
  ASSERT_EQ(*a, *b);
  for (const std::string& name : *a) {
    const std::string bytes = readBytes(first.path() / name);
    EXPECT_EQ(bytes, readBytes(second.path() / name)) << name << " differs between two builds";
    // The store the build made is up to date with the sources.
    EXPECT_EQ(bytes, readBytes(storeDir() / name)) << name << " in the built store is stale";
  }
}

TEST(ContentStore, ArchiveNamesSeedBoundaryAndRootFolder) {
  const content::ContentBuilder builder(contentSourceDir());
  auto one = builder.build("mat/1.1.mht");
  auto other = builder.build("mat/1.2.mht");
  ASSERT_TRUE(one.ok()) << one.error();
  ASSERT_TRUE(other.ok()) << other.error();
  auto boundaryOf = [](const std::string& bytes) {
    const auto at = bytes.find("boundary=\"");
    return bytes.substr(at + 10, bytes.find('"', at + 10) - at - 10);
  };
  EXPECT_NE(boundaryOf(one->bytes), boundaryOf(other->bytes));
  EXPECT_EQ(one->bytes.find("Date:"), std::string::npos) << "archives carry no time stamp";
}

TEST(ContentStore, UnknownOutputIsAnError) {
  auto built = content::ContentBuilder(contentSourceDir()).build("mat/none.mht");
  ASSERT_FALSE(built.ok());
  EXPECT_NE(built.error().find("mat/none.mht"), std::string::npos);
}

}  // namespace
}  // namespace tavra::test
