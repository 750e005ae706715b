// Each test question offers the five options A to E, and the correct option recorded in its
// source is the answer key of its variant and question.
#include <gtest/gtest.h>

#include <regex>

#include "base/Files.h"
#include "base/Text.h"
#include "content/ContentStore.h"
#include "content/MimeArchive.h"
#include "contentbuild/QuestionSource.h"

namespace tavra::test {
namespace {

TEST(AnswerKeys, EveryQuestionHasFiveOptionsAndTheKeyAsItsCorrectOption) {
  const char* letters = "ABCDE";
  for (int variant = 0; variant < 3; ++variant) {
    for (int question = 0; question < 10; ++question) {
      const std::string relative = "test/v" + std::to_string(variant + 1) + "/" + std::to_string(question + 1);
      SCOPED_TRACE(relative);
      auto text = readFileText((contentSourceDir() / "pages" / (relative + ".txt")).string());
      ASSERT_TRUE(text.ok()) << text.error();
      auto source = content::QuestionSource::parse(*text);
      ASSERT_TRUE(source.ok()) << source.error();
      EXPECT_EQ(letters[source->correct], letters[kAnswerKeys[variant][question]]);

      // The built page shows the question and exactly the options A to E, in order.
      const MimeArchive archive = MimeArchive::read(readBytes(storeDir() / (relative + ".mht")));
      ASSERT_FALSE(archive.parts.empty());
      const std::string html = cp1251ToUtf8(archive.parts.front().body);
      std::string shown;
      const std::regex letter("<tr class=\"option\"><td class=\"letter\">([A-Z])</td><td>[^\\n]+</td></tr>");
      for (auto it = std::sregex_iterator(html.begin(), html.end(), letter); it != std::sregex_iterator(); ++it) {
        shown += (*it)[1].str();
      }
      EXPECT_EQ(shown, "ABCDE");
      EXPECT_NE(html.find("<p class=\"question\">"), std::string::npos);
    }
  }
}

TEST(AnswerKeys, OptionsOfAQuestionAreDistinct) {
  for (int variant = 1; variant <= 3; ++variant) {
    for (int question = 1; question <= 10; ++question) {
      const auto path = contentSourceDir() / "pages" / "test" / ("v" + std::to_string(variant)) /
                        (std::to_string(question) + ".txt");
      auto text = readFileText(path.string());
      ASSERT_TRUE(text.ok()) << path;
      auto source = content::QuestionSource::parse(*text);
      ASSERT_TRUE(source.ok()) << path << ": " << source.error();
      for (int a = 0; a < 5; ++a) {
        for (int b = a + 1; b < 5; ++b) {
          EXPECT_NE(source->options[a], source->options[b]) << path;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavra::test
