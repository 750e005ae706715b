#include <gtest/gtest.h>

#include <fstream>

#include "SkinFixtures.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TacSkinConvertor.h"

namespace tavra::test {
namespace {

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

SkinStatus readBytes(TacSkinConvertor& converter, const Bytes& bytes) {
  converter.setSource(bytes);
  SkinStatus status = converter.Read();
  converter.releaseSource();
  return status;
}

void appendInt32(Bytes& out, std::int32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
}

// A package written field by field, for sizes the writer would never produce.
Bytes rawPackage(std::int32_t count, std::int32_t nameLength, std::string_view name, std::int32_t size, const Bytes& stream) {
  Bytes out = {'A', 'S', 'z', 'f'};
  appendInt32(out, count);
  appendInt32(out, nameLength);
  out.insert(out.end(), name.begin(), name.end());
  appendInt32(out, size);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

TEST(TacSkinConvertor, ReadsOptionsAndImagesInFileOrder) {
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view("[GLOBALINFO]\r\nVERSION=6.14\r\n"));
  writer.add("Master.bmp", Bytes{1, 2, 3});
  writer.add("Back.jpg", Bytes(5000, 7));
  Bytes package = writer.build();
  package.push_back(0xEE);  // a byte after the last stream is not read

  TacSkinConvertor converter;
  ASSERT_TRUE(readBytes(converter, package));
  EXPECT_EQ(converter.ImageCount, 2);
  ASSERT_EQ(converter.Images.size(), 2u);
  EXPECT_EQ(converter.Images[0].Name, "Master.bmp");
  EXPECT_EQ(converter.Images[0].Data, (Bytes{1, 2, 3}));
  EXPECT_EQ(converter.Images[1].Name, "Back.jpg");
  EXPECT_EQ(converter.Images[1].Data, Bytes(5000, 7));
  ASSERT_TRUE(converter.Options.has_value());
  EXPECT_EQ(std::string(converter.Options->begin(), converter.Options->end()), "[GLOBALINFO]\r\nVERSION=6.14\r\n");
  EXPECT_EQ(converter.bytesRead(), package.size() - 1);
}

TEST(TacSkinConvertor, OptionsOnlyPackageHasNoImages) {
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view("[A]"));
  TacSkinConvertor converter;
  ASSERT_TRUE(readBytes(converter, writer.build()));
  EXPECT_EQ(converter.ImageCount, 0);
  EXPECT_TRUE(converter.Images.empty());
  EXPECT_TRUE(converter.Options.has_value());
}

TEST(TacSkinConvertor, OptionsEntryNameIgnoresCase) {
  for (const char* name : {"Options.dat", "OPTIONS.DAT", "options.dat", "oPtIoNs.DaT"}) {
    SCOPED_TRACE(name);
    SkinPackageWriter writer;
    writer.add("Master.bmp", Bytes{9});
    writer.add(name, std::string_view("[X]"));
    TacSkinConvertor converter;
    ASSERT_TRUE(readBytes(converter, writer.build()));
    ASSERT_TRUE(converter.Options.has_value());
    ASSERT_EQ(converter.Images.size(), 1u);
    EXPECT_EQ(converter.Images[0].Name, "Master.bmp");
  }
}

TEST(TacSkinConvertor, MagicIsCaseSensitiveAndAWrongOneWarns) {
  struct Case {
    std::string magic;
    bool accepted;
  };
  const Case cases[] = {{"ASzf", true}, {"ASZF", false}, {"aszf", false}, {"AszF", false}, {"ASz", false}, {"", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.magic);
    SkinPackageWriter writer;
    writer.add("Options.dat", std::string_view("[A]"));
    writer.add("Master.bmp", Bytes{1});
    Bytes package = writer.build();
    Bytes bytes(c.magic.begin(), c.magic.end());
    if (c.magic.size() == 4) bytes.insert(bytes.end(), package.begin() + 4, package.end());

    NoticeRecorder recorder;
    TacSkinConvertor converter;
    ASSERT_TRUE(readBytes(converter, bytes));
    EXPECT_EQ(converter.Options.has_value(), c.accepted);
    EXPECT_EQ(converter.Images.size(), c.accepted ? 1u : 0u);
    if (c.accepted) {
      EXPECT_TRUE(recorder.notices.empty());
    } else {
      ASSERT_EQ(recorder.notices.size(), 1u);
      EXPECT_EQ(recorder.notices[0].first, SkinNoticeKind::Warning);
      EXPECT_EQ(recorder.notices[0].second, "Loaded data is not packed Corvex file");
    }
  }
}

TEST(TacSkinConvertor, IsBitmapFollowsTheExtension) {
  const std::pair<const char*, bool> cases[] = {{"Master.bmp", true}, {"BUTTON.BMP", true},  {"a.Bmp", true},
                                                {"Glow.PNG", false},  {"back.jpg", false},   {"bmp", false},
                                                {"x.bmp.png", false}, {"x.png.bmp", true},   {"noext", false}};
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view(""));
  for (const auto& [name, bitmap] : cases) writer.add(name, Bytes{0});
  TacSkinConvertor converter;
  ASSERT_TRUE(readBytes(converter, writer.build()));
  ASSERT_EQ(converter.Images.size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(converter.Images[i].IsBitmap, cases[i].second) << cases[i].first;
  }
}

TEST(TacSkinConvertor, CyrillicNamesAreReadFromCp1251) {
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view(""));
  writer.add("Фон.bmp", Bytes{1});
  TacSkinConvertor converter;
  ASSERT_TRUE(readBytes(converter, writer.build()));
  ASSERT_EQ(converter.Images.size(), 1u);
  EXPECT_EQ(converter.Images[0].Name, "Фон.bmp");
  EXPECT_NE(converter.findImage("ФОН.BMP"), nullptr);
}

TEST(TacSkinConvertor, DamagedPackagesAreClearErrors) {
  const Bytes stream = zlibCompress(Bytes(100, 3));
  Bytes truncatedStream(stream.begin(), stream.end() - 6);
  Bytes corruptStream = stream;
  corruptStream[2] = 0xFF;  // a deflate block of the reserved type
  struct Case {
    const char* what;
    Bytes package;
    const char* message;
  };
  const Case cases[] = {
      {"negative count", rawPackage(-1, 1, "a", 100, stream), "entry count -1 is out of range"},
      {"absurd count", rawPackage(1'000'000, 1, "a", 100, stream), "entry count 1000000 is out of range"},
      {"negative name length", rawPackage(1, -5, "", 100, stream), "name length of -5"},
      {"absurd name length", rawPackage(1, 2'000'000'000, "", 100, stream), "name length of 2000000000"},
      {"name past the end", rawPackage(1, 50, "abc", 0, {}), "ends inside the name"},
      {"negative size", rawPackage(1, 1, "a", -100, stream), "declares -100 bytes"},
      {"absurd size", rawPackage(1, 1, "a", 2'000'000'000, stream), "declares 2000000000 bytes"},
      {"more bytes than declared", rawPackage(1, 1, "a", 99, stream), "inflates to more than its 99 bytes"},
      {"fewer bytes than declared", rawPackage(1, 1, "a", 101, stream), "inflates to 100 bytes instead of 101"},
      {"truncated stream", rawPackage(1, 1, "a", 100, truncatedStream), "ends inside entry 1 of 1"},
      {"corrupt stream", rawPackage(1, 1, "a", 100, corruptStream), "corrupt compressed data"},
      {"missing second entry", rawPackage(2, 1, "a", 100, stream), "ends before entry 2"},
      {"count cut short", Bytes{'A', 'S', 'z', 'f', 1, 0}, "ends before the entry count"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TacSkinConvertor converter;
    SkinStatus status = readBytes(converter, c.package);
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().find("damaged"), std::string::npos) << status.error();
    EXPECT_NE(status.error().find(c.message), std::string::npos) << status.error();
  }
}

TEST(TacSkinConvertor, EntriesBeforeAnErrorStay) {
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view("[A]"));
  writer.add("One.bmp", Bytes{1, 2});
  writer.add("Two.bmp", Bytes(300, 4));
  Bytes package = writer.build();
  package.resize(package.size() - 10);
  TacSkinConvertor converter;
  EXPECT_FALSE(readBytes(converter, package));
  EXPECT_TRUE(converter.Options.has_value());
  ASSERT_EQ(converter.Images.size(), 1u);
  EXPECT_EQ(converter.Images[0].Name, "One.bmp");
}

TEST(TacSkinConvertor, LoadFromFileStartsFromAClearedConverter) {
  TempDir dir;
  SkinPackageWriter first;
  first.add("Options.dat", std::string_view("[FIRST]"));
  first.add("A.bmp", Bytes{1});
  first.add("B.bmp", Bytes{2});
  writeFile(dir.path() / "First.asz", first.build());
  SkinPackageWriter second;
  second.add("Options.dat", std::string_view("[SECOND]"));
  second.add("C.png", Bytes{3});
  writeFile(dir.path() / "Second.asz", second.build());

  std::unique_ptr<TacSkinConvertor> converter;
  ASSERT_TRUE(TacSkinConvertor::LoadFromFile((dir.path() / "First.asz").string(), converter, FreeSource::Yes));
  ASSERT_TRUE(converter);
  TacSkinConvertor* created = converter.get();
  EXPECT_EQ(converter->Images.size(), 2u);
  EXPECT_FALSE(converter->hasSource());

  ASSERT_TRUE(TacSkinConvertor::LoadFromFile((dir.path() / "Second.asz").string(), converter, FreeSource::No));
  EXPECT_EQ(converter.get(), created);
  EXPECT_EQ(converter->ImageCount, 1);
  ASSERT_EQ(converter->Images.size(), 1u);
  EXPECT_EQ(converter->Images[0].Name, "C.png");
  EXPECT_EQ(std::string(converter->Options->begin(), converter->Options->end()), "[SECOND]");
  EXPECT_TRUE(converter->hasSource());
}

TEST(TacSkinConvertor, LoadFromFileFindsThePackageWhateverItsCase) {
  TempDir dir;
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view("[A]"));
  writeFile(dir.path() / "RHOMBUS.ASZ", writer.build());
  std::unique_ptr<TacSkinConvertor> converter;
  ASSERT_TRUE(TacSkinConvertor::LoadFromFile((dir.path() / "Rhombus.asz").string(), converter, FreeSource::Yes));
  ASSERT_TRUE(converter);
  EXPECT_TRUE(converter->Options.has_value());
}

TEST(TacSkinConvertor, LoadFromFileOfAMissingFileChangesNothing) {
  TempDir dir;
  std::unique_ptr<TacSkinConvertor> none;
  ASSERT_TRUE(TacSkinConvertor::LoadFromFile((dir.path() / "Nothing.asz").string(), none, FreeSource::Yes));
  EXPECT_FALSE(none);

  auto existing = std::make_unique<TacSkinConvertor>();
  existing->Images.push_back({"Kept.bmp", true, {1}});
  ASSERT_TRUE(TacSkinConvertor::LoadFromFile((dir.path() / "Nothing.asz").string(), existing, FreeSource::Yes));
  ASSERT_EQ(existing->Images.size(), 1u);
  EXPECT_EQ(existing->Images[0].Name, "Kept.bmp");
}

TEST(TacSkinConvertor, ClearEmptiesEverything) {
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view("[A]"));
  writer.add("A.bmp", Bytes{1});
  Bytes package = writer.build();
  TacSkinConvertor converter;
  converter.setSource(package);
  ASSERT_TRUE(converter.Read());
  converter.Clear();
  EXPECT_TRUE(converter.Images.empty());
  EXPECT_FALSE(converter.Options.has_value());
  EXPECT_FALSE(converter.hasSource());
}

}  // namespace
}  // namespace tavra::test
