#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>

#include "cinelume/document/pic_converter.h"
#include "generation_fixture.h"
#include "picture_files.h"
#include "support/bytes.h"

namespace documenttest {
namespace {

using ::testing::ElementsAre;

class PicConverterTest : public ::testing::Test {
 protected:
  void SetUp() override { pic_ = std::make_unique<cinelume::TPic>((testsupport::FreshDir() / "Untitled").string(), &errors_); }
  RecordingErrorBox errors_;
  std::unique_ptr<cinelume::TPic> pic_;
};

// Baseline: a SOF0 marker and no progressive SOF2.
bool IsBaselineJpeg(const testsupport::Bytes& bytes) {
  bool sof0 = false, sof2 = false;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] != 0xFF) continue;
    sof0 = sof0 || bytes[i + 1] == 0xC0;
    sof2 = sof2 || bytes[i + 1] == 0xC2;
  }
  return bytes.size() > 4 && bytes[0] == 0xFF && bytes[1] == 0xD8 && sof0 && !sof2;
}

TEST_F(PicConverterTest, ConvertsBmpAndJpegIntoOneBaselineJpeg) {
  EXPECT_EQ(pic_->JpegFile.substr(pic_->JpegFile.size() - 13), "/Untitled.jpg");
  for (const char* format : {"bmp", "jpg"}) {
    pic_->SourceFile = PictureFile(800, 600, format, QColor(0, 0, 255));
    ASSERT_TRUE(pic_->Convert()) << format;
    EXPECT_EQ(pic_->Width, 800);
    EXPECT_EQ(pic_->Height, 600);
    EXPECT_TRUE(IsBaselineJpeg(testsupport::ReadFileBytes(pic_->JpegFile))) << format;
    QImage back(QString::fromStdString(pic_->JpegFile));
    ASSERT_FALSE(back.isNull());
    const QColor centre = back.pixelColor(400, 300);
    EXPECT_LT(centre.red(), 20);
    EXPECT_GT(centre.blue(), 230);
  }
  EXPECT_TRUE(errors_.messages.empty());
}

TEST_F(PicConverterTest, RefusesOversizePicturesWithTheirMessage) {
  pic_->SourceFile = PictureFile(801, 600, "bmp");
  EXPECT_FALSE(pic_->Convert());
  EXPECT_TRUE(pic_->Refused());
  pic_->SourceFile = PictureFile(640, 601, "jpg");
  EXPECT_FALSE(pic_->Convert());
  EXPECT_THAT(errors_.messages,
              ElementsAre("This picture width>800 or height>600!", "The picture width>800 or height>600!"));
  EXPECT_EQ(pic_->Width, 0);
}

TEST_F(PicConverterTest, OtherFormatsAndEmptySourceGiveFalseSilently) {
  pic_->SourceFile = PictureFile(10, 10, "png");
  EXPECT_FALSE(pic_->Convert());
  EXPECT_FALSE(pic_->Refused());
  pic_->SourceFile.clear();
  EXPECT_FALSE(pic_->Convert());
  EXPECT_TRUE(errors_.messages.empty());
}

TEST_F(PicConverterTest, UnreadableFileThrows) {
  pic_->SourceFile = "/nonexistent/picture.bmp";
  EXPECT_THROW(pic_->Convert(), cinelume::EPictureError);
  const auto garbage = testsupport::FreshDir() / "garbage.bmp";
  WriteText(garbage, "BM not really a bitmap");
  pic_->SourceFile = garbage.string();
  EXPECT_THROW(pic_->Convert(), cinelume::EPictureError);
}

}  // namespace
}  // namespace documenttest
