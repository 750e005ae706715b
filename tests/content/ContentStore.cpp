#include "content/ContentStore.h"

#include <fstream>
#include <iterator>

namespace tavra::test {

std::vector<std::string> expectedStoreFiles() {
  std::vector<std::string> files;
  for (const char* page : {"priv", "vved", "1.0", "1.1", "1.2", "1.3", "2.0", "2.1", "2.2", "3.0", "3.1.0",
                           "3.1.1", "3.1.2", "3.1.3", "3.1.4", "3.1.5", "3.1.6", "3.2.0", "3.2.1", "3.2.2",
                           "3.2.3", "3.3.0", "3.3.1", "3.3.2", "3.3.3", "4.0", "4.1.0", "4.2.0", "4.2.1",
                           "4.2.2", "4.3.0", "4.3.1", "4.3.2", "zak", "spis", "gloss"}) {
    files.push_back(std::string("mat/") + page + ".mht");
  }
  for (const char* folder : {"prim", "zd", "vop"}) {
    for (int chapter = 1; chapter <= 4; ++chapter) {
      files.push_back(std::string(folder) + "/g" + std::to_string(chapter) + ".mht");
    }
  }
  for (const char* page : {"3.1", "3.1.1", "3.2.1", "3.2.2", "3.2.3", "3.3.1", "3.3.2", "4.1", "4.3.2"}) {
    files.push_back(std::string("pril/") + page + ".mht");
  }
  files.push_back("help.mht");
  files.push_back("test/priv.mht");
  for (int variant = 1; variant <= 3; ++variant) {
    for (int question = 1; question <= 10; ++question) {
      files.push_back("test/v" + std::to_string(variant) + "/" + std::to_string(question) + ".mht");
    }
  }
  files.push_back("dmat/ok.png");
  files.push_back("dmat/no.png");
  return files;
}

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace tavra::test
