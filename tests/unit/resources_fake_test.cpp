// The fake bitmap resources the clock's tests load pictures from: in memory or from a folder of
// .bmp files, by name in any case.
#include "platform/fake/fake_resources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/dib.h"

namespace tikora {
namespace {

namespace fs = std::filesystem;

class FakeResourcesFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("tikora-resources-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  fs::path folder;
};

TEST_F(FakeResourcesFolderTest, LoadsBmpFilesByNameInAnyCase) {
  Bitmap frame(4, 3, 0x112233);
  frame.setPixel(3, 2, 0x0000FF);
  ASSERT_TRUE(writeBmpFile(folder / "frame7.bmp", frame));
  ASSERT_TRUE(writeBmpFile(folder / "Strip.BMP", Bitmap(2, 2, 0x445566)));

  FakeResources resources(folder);
  EXPECT_EQ(resources.loadBitmap(L"frame7"), frame);
  EXPECT_EQ(resources.loadBitmap(L"FRAME7"), frame);
  EXPECT_EQ(resources.loadBitmap(L"strip"), Bitmap(2, 2, 0x445566));
  EXPECT_EQ(resources.loadBitmap(L"frame8"), std::nullopt);
  EXPECT_EQ(resources.requests(), (std::vector<std::wstring>{L"frame7", L"FRAME7", L"strip", L"frame8"}));
}

TEST_F(FakeResourcesFolderTest, DamagedFilesAndNamesOutsideTheFolderGiveNothing) {
  std::ofstream(folder / "broken.bmp", std::ios::binary) << "BM not really a picture";
  ASSERT_TRUE(writeBmpFile(folder.parent_path() / "outside.bmp", Bitmap(1, 1)));

  FakeResources resources(folder);
  EXPECT_EQ(resources.loadBitmap(L"broken"), std::nullopt);
  EXPECT_EQ(resources.loadBitmap(L"../outside"), std::nullopt);
  EXPECT_EQ(resources.loadBitmap(L""), std::nullopt);
  fs::remove(folder.parent_path() / "outside.bmp");
}

TEST(FakeResourcesTest, PicturesInMemoryComeFirstAndCanBeRemoved) {
  FakeResources resources;
  EXPECT_EQ(resources.loadBitmap(L"mala"), std::nullopt);
  resources.add(L"Mala", Bitmap(2, 1, 0x010203));
  EXPECT_EQ(resources.loadBitmap(L"MALA"), Bitmap(2, 1, 0x010203));
  resources.remove(L"mala");
  EXPECT_EQ(resources.loadBitmap(L"mala"), std::nullopt);
}

// The generated media folder holds every picture the program carries; when it has been built,
// the names the clock asks for at start must all be there.
TEST(FakeResourcesTest, GeneratedMediaHaveTheClockPictures) {
  const fs::path media = TIKORA_MEDIA_DIR;
  if (!fs::exists(media / "frame1.bmp")) GTEST_SKIP() << "bitmaps not generated in " << media;
  FakeResources resources(media);
  for (const wchar_t* name : {L"frame1", L"frame40", L"mala", L"srednia17", L"duza9"}) {
    const auto picture = resources.loadBitmap(name);
    ASSERT_TRUE(picture.has_value()) << "missing " << fs::path(name).string();
    EXPECT_EQ(picture->width(), 240);
  }
  const auto strip = resources.loadBitmap(L"strip");
  ASSERT_TRUE(strip.has_value());
  EXPECT_EQ(strip->width(), 51);
  EXPECT_EQ(strip->height(), 17);
  EXPECT_EQ(strip->pixel(34, 8), kPureWhite) << "the see-through column between the buttons";
}

}  // namespace
}  // namespace tikora
