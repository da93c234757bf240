#include <gtest/gtest.h>

#include "shape_reader.h"
#include "support/temp_env.h"
#include "vectrel/authoring/action_item.h"
#include "vectrel/authoring/button_object.h"
#include "vectrel/authoring/movie_model.h"
#include "vectrel/authoring/rectangle_shape.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {
namespace {

using namespace authoringtest;

struct ButtonEntry {
  int states = 0;  // hit, down, over, up bits
  int character_id = 0;
  int depth = 0;
  ReadMatrix matrix;
  bool has_add = false;
  std::array<int, 4> add{};
};

struct ReadButton {
  int id = 0;
  std::vector<ButtonEntry> entries;
  int conditions = 0;
  Bytes actions;  // action bytes up to and including the end byte
};

ReadButton ReadDefineButton2(const Bytes& body) {
  ReadButton b;
  b.id = U16(body, 0);
  BitReader r(body, 5);
  for (;;) {
    const int flags = static_cast<int>(r.U8());
    if (flags == 0) break;
    ButtonEntry e;
    e.states = flags & 0x0F;
    e.character_id = static_cast<int>(r.U16le());
    e.depth = static_cast<int>(r.U16le());
    e.matrix = ReadMatrixBits(r);
    e.has_add = r.U(1);
    r.U(1);
    const int n = static_cast<int>(r.U(4));
    if (e.has_add)
      for (auto& a : e.add) a = r.S(n);
    r.Align();
    b.entries.push_back(e);
  }
  std::size_t p = r.byte_pos();
  EXPECT_EQ(U16(body, p), 0);  // the only condition action is the last one
  b.conditions = U16(body, p + 2);
  b.actions.assign(body.begin() + static_cast<long>(p + 4), body.end());
  return b;
}

class ButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  ParsedMovie Write() {
    const auto path = (dir_ / ("b" + std::to_string(n_++) + ".swf")).string();
    EXPECT_EQ(movie_.Write(path), WriteStatus::kWritten);
    return testsupport::ParseMovie(testsupport::ReadFileBytes(path));
  }
  static std::shared_ptr<ShapeObject> Rect(int x) { return std::make_shared<RectangleShape>(x, 0, x + 10, 10); }
  MovieModel movie_;
  std::filesystem::path dir_ = testsupport::FreshDir();
  int n_ = 0;
};

TEST_F(ButtonTest, FourStateButtonDefinesItsStatesWithoutPlacingThem) {
  auto up = Rect(0), over = Rect(20), down = Rect(40), hit = Rect(60);
  auto button = ButtonObject::FourState(up, over, down, hit);
  button->QueueEvent(ActionItem::Play(), 7);
  button->QueueEvent(ActionItem::Stop(), 9);
  movie_.GetFrame(0).AddObject(*button);
  // The states are definition-only: adding one alone places nothing.
  movie_.GetFrame(1).AddObject(*up);
  const auto frames = Frames(Write());
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_TRUE(frames[1].empty());
  const auto frame = frames[0];
  ASSERT_EQ(frame.size(), 6u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(frame[static_cast<std::size_t>(i)].code, kTagDefineShape3);
  EXPECT_EQ(frame[4].code, kTagDefineButton2);
  EXPECT_EQ(frame[5].code, kTagPlaceObject2);
  const auto b = ReadDefineButton2(frame[4].body);
  ASSERT_EQ(b.entries.size(), 4u);
  const int expected_states[] = {0x1, 0x2, 0x4, 0x8};  // up, over, down, hit test
  for (int i = 0; i < 4; ++i) {
    const auto& e = b.entries[static_cast<std::size_t>(i)];
    EXPECT_EQ(e.states, expected_states[i]);
    EXPECT_EQ(e.character_id, i + 1);
    EXPECT_EQ(e.depth, 1);
    EXPECT_FALSE(e.has_add);
  }
  EXPECT_EQ(b.conditions, 0x0004 | 0x0001);
  EXPECT_EQ(testsupport::ToHex(b.actions), "06 07 00");
  const auto place = ReadPlace(frame[5]);
  EXPECT_EQ(place.character_id, b.id);
  EXPECT_FALSE(place.has_matrix);
}

TEST_F(ButtonTest, ALaterMovieGetsTheWholeButtonAgain) {
  auto button = ButtonObject::Tinted(Rect(0), {1, 2, 3, 0}, {4, 5, 6, 0});
  button->QueueEvent(ActionItem::GotoUrl("x"), 9);
  movie_.GetFrame(0).AddObject(*button);
  const auto first = Write();
  movie_.GetFrame(0).AddObject(*button);
  const auto second = Write();
  const auto frame = Frames(second).at(0);
  ASSERT_EQ(frame.size(), 3u);
  EXPECT_EQ(frame[0].code, kTagDefineShape3);
  EXPECT_EQ(frame[1].body, first.TagsWithCode(kTagDefineButton2).at(0).body);
  EXPECT_EQ(ReadPlace(frame[2]).character_id, 2);
}

TEST_F(ButtonTest, TintedButtonCarriesItsColoursAsAddTerms) {
  auto shape = Rect(0);
  auto button = ButtonObject::Tinted(shape, {50, 50, 50, 0}, {100, 0, 0, 0});
  button->QueueEvent(ActionItem::Stop(), 2);
  movie_.GetFrame(0).AddObject(*button);
  const auto m = Write();
  EXPECT_EQ(m.TagsWithCode(kTagDefineShape3).size(), 1u);
  const auto b = ReadDefineButton2(m.TagsWithCode(kTagDefineButton2).at(0).body);
  ASSERT_EQ(b.entries.size(), 4u);
  EXPECT_FALSE(b.entries[0].has_add);
  EXPECT_EQ(b.entries[1].add, (std::array<int, 4>{50, 50, 50, 0}));
  EXPECT_EQ(b.entries[2].add, (std::array<int, 4>{100, 0, 0, 0}));
  EXPECT_EQ(b.entries[3].add, (std::array<int, 4>{50, 50, 50, 0}));
  for (const auto& e : b.entries) EXPECT_EQ(e.character_id, b.entries[0].character_id);
}

TEST_F(ButtonTest, StateTransformBecomesTheRecordMatrix) {
  auto moved = Rect(0);
  moved->Translate(30, 40);
  auto button = ButtonObject::FourState(moved, Rect(0), Rect(0), Rect(0));
  button->QueueEvent(ActionItem::Stop(), 0);
  movie_.GetFrame(0).AddObject(*button);
  const auto b = ReadDefineButton2(Write().TagsWithCode(kTagDefineButton2).at(0).body);
  EXPECT_EQ(b.entries[0].matrix.tx, 30);
  EXPECT_EQ(b.entries[0].matrix.ty, 40);
  EXPECT_FALSE(b.entries[1].matrix.has_scale);
  EXPECT_EQ(b.conditions, 0);  // event 0 adds the action without a condition
  EXPECT_EQ(testsupport::ToHex(b.actions), "07 00");
}

TEST_F(ButtonTest, ButtonIsDefinedOnceAndLaterEventsAreIgnored) {
  auto button = ButtonObject::FourState(Rect(0), Rect(0), Rect(0), Rect(0));
  EXPECT_TRUE(button->QueueEvent(ActionItem::Stop(), 1));
  movie_.GetFrame(0).AddObject(*button);
  EXPECT_FALSE(button->QueueEvent(ActionItem::Play(), 2));
  movie_.GetFrame(5).AddObject(*button);
  const auto m = Write();
  EXPECT_EQ(m.TagsWithCode(kTagDefineButton2).size(), 1u);
  EXPECT_EQ(m.TagsWithCode(kTagPlaceObject2).size(), 2u);
  EXPECT_EQ(ReadDefineButton2(m.TagsWithCode(kTagDefineButton2).at(0).body).conditions, 0x0100);
}

TEST_F(ButtonTest, ButtonOutlivesItsStatesOwners) {
  std::unique_ptr<ButtonObject> button;
  {
    auto state = Rect(0);
    button = ButtonObject::Tinted(state, {}, {});
    button->QueueEvent(ActionItem::Stop(), 9);
  }
  movie_.GetFrame(0).AddObject(*button);
  EXPECT_EQ(Write().TagsWithCode(kTagDefineButton2).size(), 1u);
}

TEST_F(ButtonTest, FrameActionsAreOneDoActionPerCall) {
  movie_.GetFrame(3).AddAction(ActionItem::GotoFrame(12));
  movie_.GetFrame(3).AddAction(ActionItem::Stop());
  const auto frames = Frames(Write());
  ASSERT_EQ(frames.size(), 4u);
  ASSERT_EQ(frames[3].size(), 2u);
  EXPECT_EQ(frames[3][0].code, kTagDoAction);
  EXPECT_EQ(testsupport::ToHex(frames[3][0].body), "81 02 00 0C 00 00");
  EXPECT_EQ(testsupport::ToHex(frames[3][1].body), "07 00");
}

TEST_F(ButtonTest, ActionRecordsAndLongStrings) {
  struct Case {
    ActionItem action;
    const char* hex;
  };
  const Case cases[] = {
      {ActionItem::Play(), "06 00"},
      {ActionItem::GotoUrl("a"), "83 03 00 61 00 00 00"},
      {ActionItem::GotoUrlTarget("a", "b"), "83 04 00 61 00 62 00 00"},
  };
  for (const auto& c : cases) {
    MovieModel movie;
    movie.GetFrame(0).AddAction(c.action);
    const auto path = (dir_ / "a.swf").string();
    ASSERT_EQ(movie.Write(path), WriteStatus::kWritten);
    const auto parsed = testsupport::ParseMovie(testsupport::ReadFileBytes(path));
    EXPECT_EQ(testsupport::ToHex(parsed.TagsWithCode(kTagDoAction).at(0).body), c.hex);
  }
  const auto long_url = ActionItem::GotoUrlTarget(std::string(300, 'u'), std::string(400, 't'));
  EXPECT_EQ(long_url.url().size(), 255u);
  EXPECT_EQ(long_url.target().size(), 255u);
}

}  // namespace
}  // namespace vectrel
