#pragma once
// The checks of skinlint over an opened skin: sections the program needs, values of no known
// form, images that are missing or empty, gradients that do not parse, PARENTCLASS cycles, and
// every value the loader repaired so that the skin paints safely, and text colours that stand
// out too little from the faces they are written on.
#include <string>
#include <vector>

namespace tavra {
class SkinModel;
class SkinSource;
}  // namespace tavra

namespace tavra::lint {

enum class Level { Warning, Note };

struct Finding {
  Level level = Level::Warning;
  std::string where;  // "[SECTION] KEY", "[SECTION]" or empty for the whole skin
  std::string message;
};

class SkinLint {
 public:
  SkinLint(const SkinSource& source, const SkinModel& model) : source_(source), model_(model) {}

  std::vector<Finding> run();

 private:
  void checkSections();
  void checkParentChains();
  void checkMasterBitmap();
  void checkLabelInk();
  void checkTextContrast();
  void checkRepairs();
  void checkEntry(const std::string& sectionName, const std::string& key, const std::string& value);
  void checkHeaderKey(const std::string& where, const std::string& key, const std::string& value);
  bool checkImageReference(const std::string& where, const std::string& value);
  void checkImageFile(const std::string& where, const std::string& entryName, const std::string& fileName, const char* kind);
  void checkGradient(const std::string& where, const std::string& value);
  void add(Level level, std::string where, std::string message);

  const SkinSource& source_;
  const SkinModel& model_;
  std::vector<Finding> findings_;
};

}  // namespace tavra::lint
