// Reading movies: header, the tags of every kind, and what a damaged file
// still gives.
#include <gtest/gtest.h>

#include "movie_builder.h"
#include "player/bit_reader.h"
#include "player/bitmap.h"
#include "player/button.h"
#include "player/font.h"
#include "player/headless.h"
#include "player/movie_reader.h"
#include "player/projector.h"
#include "player/sprite.h"
#include "player/text.h"
#include "support/bytes.h"

namespace playertest {
namespace {

using swfplayer::CharacterKind;
using vectrel::Color;
using vectrel::Rect;

TEST(BitReader, ReadsFieldsMostSignificantBitFirst) {
  const Bytes data = testsupport::Hex("B0 34 12");
  swfplayer::BitReader in(data);
  EXPECT_EQ(in.ReadUBits(3), 5u);
  EXPECT_EQ(in.ReadUBits(1), 1u);
  EXPECT_EQ(in.ReadU16(), 0x1234);  // aligns first
  EXPECT_FALSE(in.overrun());
  EXPECT_EQ(in.ReadU8(), 0);
  EXPECT_TRUE(in.overrun());
}

TEST(BitReader, SignedFieldsAndPastTheEnd) {
  const Bytes data = testsupport::Hex("F0");
  swfplayer::BitReader in(data);
  EXPECT_EQ(in.ReadSBits(4), -1);
  EXPECT_EQ(in.ReadSBits(4), 0);
  EXPECT_EQ(in.ReadUBits(32), 0u);
  EXPECT_TRUE(in.overrun());
  EXPECT_EQ(in.ReadBytes(100).size(), 0u);
}

TEST(Reader, HeaderOfTheWriterExample) {
  // An empty 550 x 400 px movie at 12 frames per second, as the writer makes it.
  const Bytes file = testsupport::Hex("46 57 53 05 18 00 00 00 88 00 00 55 F0 00 00 0F A0 00 00 0C 00 00 00 00");
  auto movie = swfplayer::ReadMovie(file);
  ASSERT_TRUE(movie);
  EXPECT_EQ(movie->version, 5);
  EXPECT_EQ(movie->WidthPixels(), 550);
  EXPECT_EQ(movie->HeightPixels(), 400);
  EXPECT_EQ(movie->frame_rate, 12.0);
  EXPECT_EQ(movie->FrameCount(), 1);  // no frames declared: one empty frame
  EXPECT_FALSE(movie->damaged);
  EXPECT_EQ(swfplayer::MovieInfoJson(*movie), "{\"version\":5,\"width\":550,\"height\":400,\"rate\":12,\"frames\":1}");
}

TEST(Reader, CompressedMovieReadsLikeThePlainOne) {
  MovieBuilder m(120, 80, 24);
  m.Rectangle(1, Rect{0, 400, 0, 400}, Color(1, 2, 3, 255));
  m.Place(1, 1);
  m.ShowFrame();
  m.ShowFrame();
  auto plain = swfplayer::ReadMovie(m.Build());
  auto packed = swfplayer::ReadMovie(m.BuildCompressed());
  ASSERT_TRUE(plain && packed);
  EXPECT_TRUE(packed->compressed);
  EXPECT_EQ(swfplayer::MovieInfoJson(*plain), swfplayer::MovieInfoJson(*packed));
  EXPECT_EQ(packed->CharacterCount(), 1u);
  EXPECT_FALSE(packed->damaged);
}

TEST(Reader, RejectsWhatIsNotAnSwfFile) {
  const struct {
    const char* hex;
    const char* why;
  } cases[] = {{"", "empty"},
               {"46 57", "too short"},
               {"47 49 46 38 39 61 01 00 01 00", "a GIF"},
               {"5A 57 53 0D 20 00 00 00 00 00", "LZMA"},
               {"46 57 53 05 09 00 00 00 F8", "header cut in the rectangle"}};
  for (const auto& c : cases) {
    std::string error;
    EXPECT_EQ(swfplayer::ReadMovie(testsupport::Hex(c.hex), &error), nullptr) << c.why;
    EXPECT_FALSE(error.empty()) << c.why;
  }
}

TEST(Reader, ReadsEveryTagKindTheWriterUses) {
  MovieBuilder m(100, 100);
  m.Background(1, 2, 3);
  m.Rectangle(1, Rect{0, 100, 0, 100}, Color(255, 0, 0, 255));
  m.JpegBitmap(2, JpegFile(QImage(4, 4, QImage::Format_RGB32)));
  m.Font(3, {{QPoint(0, 0), QPoint(10, 0), QPoint(10, 10)}});
  m.FontInfo(3, "Sans", {65});
  m.Text(4, Rect{0, 100, 0, 100}, 3, 240, Color(0, 0, 0, 255), {{0, 100}});
  m.EditText(5, Rect{0, 100, 0, 100}, "hi", false);
  m.Button2(6, {{1, 1, 1}}, 0x0080, StopAction());
  m.Sound(7, 1, 0, true, false, 0, {});
  TagStream inner;
  inner.Place(1, 1);
  inner.ShowFrame();
  m.Sprite(8, 1, inner);
  m.Label("start");
  m.Place(1, 1);
  m.DoAction(StopAction());
  m.StartSound(7);
  m.ShowFrame();
  m.Remove(1, 1);
  m.ShowFrame();
  auto movie = swfplayer::ReadMovie(m.Build());
  ASSERT_TRUE(movie);
  EXPECT_FALSE(movie->damaged);
  const CharacterKind kinds[] = {CharacterKind::kShape, CharacterKind::kBitmap,   CharacterKind::kFont,
                                 CharacterKind::kText,  CharacterKind::kEditText, CharacterKind::kButton,
                                 CharacterKind::kSound, CharacterKind::kSprite};
  for (int id = 1; id <= 8; ++id) {
    ASSERT_NE(movie->Find(static_cast<std::uint16_t>(id)), nullptr) << id;
    EXPECT_EQ(movie->Find(static_cast<std::uint16_t>(id))->kind(), kinds[id - 1]) << id;
  }
  const auto* font = movie->FindAs<swfplayer::FontCharacter>(3, CharacterKind::kFont);
  EXPECT_EQ(font->name(), "Sans");
  EXPECT_EQ(font->codes(), std::vector<std::uint16_t>{65});
  EXPECT_EQ(font->glyphs().size(), 1u);
  const auto* text = movie->FindAs<swfplayer::TextCharacter>(4, CharacterKind::kText);
  ASSERT_EQ(text->runs().size(), 1u);
  EXPECT_EQ(text->runs()[0].height, 240);
  EXPECT_EQ(text->runs()[0].glyphs.size(), 1u);
  const auto* button = movie->FindAs<swfplayer::ButtonCharacter>(6, CharacterKind::kButton);
  ASSERT_EQ(button->actions().size(), 1u);
  EXPECT_EQ(button->actions()[0].conditions, swfplayer::kCondIdleToOverDown);
  ASSERT_EQ(button->actions()[0].actions.size(), 1u);
  EXPECT_FALSE(movie->FindAs<swfplayer::BitmapCharacter>(2, CharacterKind::kBitmap)->Image().isNull());
  const swfplayer::Frame& f0 = movie->timeline.frames[0];
  EXPECT_EQ(f0.background, (swfplayer::Rgba{1, 2, 3, 255}));
  EXPECT_EQ(f0.label, "start");
  EXPECT_EQ(f0.actions.size(), 1u);
  EXPECT_EQ(f0.sounds.size(), 1u);
  EXPECT_EQ(f0.commands.size(), 1u);
  EXPECT_EQ(movie->timeline.frames[1].commands.size(), 1u);
  EXPECT_EQ(movie->timeline.FindLabel("START"), 0);
}

TEST(Reader, ActionsReadAndUnknownOnesSkipped) {
  Bytes data = GotoFrameAction(5);
  const Bytes unknown = {0x96, 0x03, 0x00, 0x00, 0x41, 0x00, 0x17};  // push, pop
  data.insert(data.end(), unknown.begin(), unknown.end());
  const Bytes url = GetUrlAction("http://a/", "t");
  data.insert(data.end(), url.begin(), url.end());
  data.push_back(0x07);
  data.push_back(0x00);
  data.push_back(0x06);  // after the end byte: not read
  const auto actions = swfplayer::ReadActions(data);
  ASSERT_EQ(actions.size(), 3u);
  EXPECT_EQ(actions[0].kind, swfplayer::Action::Kind::kGotoFrame);
  EXPECT_EQ(actions[0].frame, 5);
  EXPECT_EQ(actions[1].url, "http://a/");
  EXPECT_EQ(actions[1].target, "t");
  EXPECT_EQ(actions[2].kind, swfplayer::Action::Kind::kStop);
}

TEST(Reader, CutFileKeepsTheFramesBeforeTheCut) {
  MovieBuilder m(50, 50);
  m.Rectangle(1, Rect{0, 100, 0, 100}, Color(255, 0, 0, 255));
  m.Place(1, 1);
  m.ShowFrame();
  m.Rectangle(2, Rect{0, 100, 0, 100}, Color(0, 255, 0, 255));
  m.Place(2, 2);
  m.ShowFrame();
  Bytes file = m.Build();
  file.resize(file.size() - 12);  // into the second frame's placement
  auto movie = swfplayer::ReadMovie(file);
  ASSERT_TRUE(movie);
  EXPECT_TRUE(movie->damaged);
  EXPECT_EQ(movie->FrameCount(), 2);
  EXPECT_NE(movie->Find(1), nullptr);
  EXPECT_EQ(movie->timeline.frames[0].commands.size(), 1u);
}

TEST(Reader, HugeDeclaredCountsAreCappedByTheBytes) {
  // DefineShape3 claiming 0xFFFF fill styles, DefineFont claiming 32767 glyphs,
  // a text claiming 255 glyphs, all in a few bytes.
  MovieBuilder m(10, 10);
  m.Tag(32, testsupport::Hex("01 00 00 FF FF FF 00"));
  m.Tag(10, testsupport::Hex("02 00 FE FF 10"));
  m.Tag(33, testsupport::Hex("03 00 00 00 20 20 8C 02 00 FF 00 00 FF 00 04 FF"));
  m.Tag(14, testsupport::Hex("04 00 16 FF FF FF FF"));
  m.ShowFrame();
  auto movie = swfplayer::ReadMovie(m.Build());
  ASSERT_TRUE(movie);
  EXPECT_NE(movie->Find(1), nullptr);
  EXPECT_LE(movie->FindAs<swfplayer::FontCharacter>(2, CharacterKind::kFont)->glyphs().size(), 2u);
}

TEST(Reader, TagLengthBeyondTheFileIsCut) {
  MovieBuilder m(10, 10);
  m.ShowFrame();
  Bytes file = m.Build(2);
  // A long header claiming 4 GB, then a few bytes.
  const Bytes tail = testsupport::Hex("BF 08 FF FF FF FF 01 00 00");
  file.insert(file.end() - 2, tail.begin(), tail.end());
  file[4] = static_cast<std::uint8_t>(file.size());
  auto movie = swfplayer::ReadMovie(file);
  ASSERT_TRUE(movie);
  EXPECT_TRUE(movie->damaged);
}

TEST(Projector, FindsTheMovieAtTheEndOfAnExecutable) {
  MovieBuilder m(10, 10);
  m.ShowFrame();
  const Bytes movie = m.Build();
  Bytes exe = testsupport::Hex("7F 45 4C 46 00 00 00 00");
  exe.insert(exe.end(), movie.begin(), movie.end());
  const std::uint32_t n = static_cast<std::uint32_t>(movie.size());
  const Bytes trailer = {0x56, 0x34, 0x12, 0xFA, static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), 0, 0};
  exe.insert(exe.end(), trailer.begin(), trailer.end());
  auto found = swfplayer::FindAttachedMovie(exe);
  ASSERT_TRUE(found);
  EXPECT_EQ(Bytes(found->begin(), found->end()), movie);
  // Length larger than the file, wrong signature, too short.
  Bytes bad = exe;
  bad[bad.size() - 2] = 0xFF;
  EXPECT_FALSE(swfplayer::FindAttachedMovie(bad));
  bad = exe;
  bad[bad.size() - 8] = 0x57;
  EXPECT_FALSE(swfplayer::FindAttachedMovie(bad));
  EXPECT_FALSE(swfplayer::FindAttachedMovie(testsupport::Hex("56 34 12 FA")));
}

}  // namespace
}  // namespace playertest
