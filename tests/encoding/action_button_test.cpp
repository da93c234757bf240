#include <gtest/gtest.h>

#include <stdexcept>

#include "record_bytes.h"
#include "vectrel/encoding/define_button2.h"
#include "vectrel/encoding/do_action.h"

namespace vectrel {
namespace {

using testing_enc::TagBytes;
using testing_enc::TagHex;
using testing_enc::Written;
using testsupport::ToHex;

class ActionButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCharacterIds(); }
  void TearDown() override { ResetCharacterIds(); }
};

std::string ActionHex(const ActionRecord& a) {
  return Written([&](OutputBuffer& b) { a.Write(b); });
}

TEST(ActionRecords, Bytes) {
  EXPECT_EQ(ActionHex(StopActionRecord()), "07");
  EXPECT_EQ(ActionHex(PlayActionRecord()), "06");
  EXPECT_EQ(ActionHex(GotoFrameActionRecord(5)), "81 02 00 05 00");
  EXPECT_EQ(ActionHex(GotoFrameActionRecord(0x1234)), "81 02 00 34 12");
  EXPECT_EQ(ActionHex(GetUrlActionRecord("a", "")), "83 03 00 61 00 00");
  EXPECT_EQ(ActionHex(GetUrlActionRecord("a", "_top")), "83 07 00 61 00 5F 74 6F 70 00");
  EXPECT_EQ(ActionHex(GetUrlActionRecord("", "")), "83 02 00 00 00");
  // A 0 byte inside a string would end it early for the reader: cut there.
  EXPECT_EQ(ActionHex(GetUrlActionRecord(std::string("a\0b", 3), std::string("\0x", 2))),
            "83 03 00 61 00 00");
}

TEST(ActionRecords, OverlongUrlStringsAreCutToTheLengthField) {
  struct Case {
    std::size_t url, target;
    std::size_t written_url, written_target;
  };
  const Case cases[] = {
      {65533, 0, 65533, 0},
      {65533, 5, 65533, 0},
      {70000, 5, 65533, 0},
      {65000, 1000, 65000, 533},
  };
  for (const Case& c : cases) {
    GetUrlActionRecord a(std::string(c.url, 'u'), std::string(c.target, 't'));
    OutputBuffer b;
    a.Write(b);
    const auto bytes = b.Flatten();
    const std::size_t length = bytes[1] | (bytes[2] << 8);
    EXPECT_EQ(length, c.written_url + 1 + c.written_target + 1);
    EXPECT_EQ(bytes.size(), 3 + length);
    EXPECT_EQ(bytes[3 + c.written_url], 0);
    EXPECT_EQ(bytes.back(), 0);
  }
}

TEST(DoAction, Bytes) {
  struct Case {
    std::vector<std::unique_ptr<ActionRecord>> (*actions)();
    const char* hex;
  };
  const Case cases[] = {
      {[] {
         std::vector<std::unique_ptr<ActionRecord>> v;
         v.push_back(std::make_unique<StopActionRecord>());
         return v;
       },
       "02 03 07 00"},
      {[] {
         std::vector<std::unique_ptr<ActionRecord>> v;
         v.push_back(std::make_unique<GotoFrameActionRecord>(5));
         return v;
       },
       "06 03 81 02 00 05 00 00"},
      {[] { return std::vector<std::unique_ptr<ActionRecord>>{}; }, "01 03 00"},
      {[] {
         std::vector<std::unique_ptr<ActionRecord>> v;
         v.push_back(std::make_unique<GotoFrameActionRecord>(0));
         v.push_back(std::make_unique<PlayActionRecord>());
         v.push_back(std::make_unique<GetUrlActionRecord>("a", ""));
         return v;
       },
       "0D 03 81 02 00 00 00 06 83 03 00 61 00 00 00"},
  };
  for (const Case& c : cases) {
    DoActionRecord record;
    int n = 0;
    for (auto& a : c.actions()) EXPECT_EQ(record.AppendAction(std::move(a)), ++n);
    EXPECT_EQ(TagHex(record), c.hex);
  }
}

TEST(DoAction, NullActionIsRejected) {
  DoActionRecord record;
  EXPECT_THROW(record.AppendAction(nullptr), std::logic_error);
  EXPECT_EQ(TagHex(record), "01 03 00");
}

TEST(ButtonCondAction, EventsSetTheirConditionBits) {
  struct Case {
    int event;
    std::uint16_t value;
  };
  const Case cases[] = {{1, 0x0100}, {2, 0x0080}, {3, 0x0040}, {4, 0x0020}, {5, 0x0010}, {6, 0x0008},
                        {7, 0x0004}, {8, 0x0002}, {9, 0x0001}, {0, 0},      {10, 0},     {-1, 0},
                        {1000, 0}};
  for (const Case& c : cases) {
    ButtonCondAction a;
    a.SetCondition(c.event);
    EXPECT_EQ(a.conditions(), c.value) << c.event;
  }
}

TEST(ButtonCondAction, EventsAccumulate) {
  ButtonCondAction a;
  a.SetCondition(1);
  a.SetCondition(9);
  a.SetCondition(9);
  EXPECT_EQ(a.conditions(), 0x0101);
  EXPECT_EQ(Written([&](OutputBuffer& b) { a.Write(b, true); }), "00 00 01 01 00");
}

TEST(ButtonCondAction, TwoForms) {
  ButtonCondAction a;
  a.SetCondition(9);
  a.AppendAction(std::make_unique<PlayActionRecord>());
  // Not last: size counts itself, conditions, actions and the end byte.
  EXPECT_EQ(Written([&](OutputBuffer& b) { a.Write(b, false); }), "06 00 01 00 06 00");
  EXPECT_EQ(Written([&](OutputBuffer& b) { a.Write(b, true); }), "00 00 01 00 06 00");
  ButtonCondAction empty;
  empty.SetCondition(2);
  EXPECT_EQ(Written([&](OutputBuffer& b) { empty.Write(b, true); }), "00 00 80 00 00");
  EXPECT_EQ(Written([&](OutputBuffer& b) { empty.Write(b, false); }), "05 00 80 00 00");
  EXPECT_THROW(empty.AppendAction(nullptr), std::logic_error);
}

TEST(ButtonRecord, Bytes) {
  struct Case {
    bool hit, down, over, up;
    Matrix matrix;
    ColorTransform cx;
    const char* hex;
  };
  const Case cases[] = {
      {false, false, false, true, Matrix::Identity(), ColorTransform(), "01 02 00 01 00 00 04"},
      {true, false, false, false, Matrix::Identity(), ColorTransform(), "08 02 00 01 00 00 04"},
      {false, true, false, false, Matrix::Identity(), ColorTransform(), "04 02 00 01 00 00 04"},
      {false, false, true, false, Matrix::Identity(), ColorTransform(), "02 02 00 01 00 00 04"},
      {true, true, true, true, Matrix::Translation(100, 0), ColorTransform::AddOnly(255, 0, 0, 0),
       "0F 02 00 01 00 10 C8 00 A5 FE 00 00 00 00"},
  };
  for (const Case& c : cases) {
    ButtonRecord r(c.hit, c.down, c.over, c.up, 2, 1, c.matrix, c.cx);
    EXPECT_EQ(Written([&](OutputBuffer& b) { r.Write(b); }), c.hex);
  }
}

std::unique_ptr<ButtonRecord> UpState(std::uint16_t character, std::uint16_t depth) {
  return std::make_unique<ButtonRecord>(false, false, false, true, character, depth, Matrix::Identity(),
                                        ColorTransform());
}

TEST_F(ActionButtonTest, ButtonExample) {
  NextCharacterId();
  NextCharacterId();
  NextCharacterId();
  DefineButton2Record button(false);
  ASSERT_EQ(button.CharacterId(), 4);
  button.AddButtonRecord(UpState(2, 1));
  auto cond = std::make_unique<ButtonCondAction>();
  cond->SetCondition(2);
  cond->AppendAction(std::make_unique<StopActionRecord>());
  button.AddCondAction(std::move(cond));
  EXPECT_EQ(TagHex(button), "93 08 04 00 00 0A 00 01 02 00 01 00 00 04 00 00 00 80 00 07 00");
}

TEST_F(ActionButtonTest, SeveralCondActionsAndRecords) {
  DefineButton2Record button(true);
  button.AddButtonRecord(UpState(2, 1));
  button.AddButtonRecord(std::make_unique<ButtonRecord>(true, true, true, false, 3, 2, Matrix::Identity(),
                                                        ColorTransform()));
  auto first = std::make_unique<ButtonCondAction>();
  first->SetCondition(9);
  first->AppendAction(std::make_unique<PlayActionRecord>());
  auto last = std::make_unique<ButtonCondAction>();
  last->SetCondition(8);
  button.AddCondAction(std::move(first));
  button.AddCondAction(std::move(last));
  // ActionOffset = 2 + two 7-byte records + end byte = 17.
  EXPECT_EQ(TagHex(button),
            "9F 08 01 00 01 11 00 01 02 00 01 00 00 04 0E 03 00 02 00 00 04 00 "
            "06 00 01 00 06 00 00 00 02 00 00");
}

TEST_F(ActionButtonTest, ButtonWithoutStatesStillEndsItsCharacters) {
  DefineButton2Record button(false);
  button.AddCondAction(std::make_unique<ButtonCondAction>());
  EXPECT_EQ(TagHex(button), "8B 08 01 00 00 03 00 00 00 00 00 00 00");
}

TEST_F(ActionButtonTest, ButtonWithoutCondActionIsRejected) {
  DefineButton2Record button(false);
  button.AddButtonRecord(UpState(2, 1));
  OutputBuffer file;
  EXPECT_THROW(button.Write(file), std::logic_error);
  EXPECT_EQ(file.Length(), 0u);
  EXPECT_THROW(button.AddCondAction(nullptr), std::logic_error);
  EXPECT_THROW(button.AddButtonRecord(nullptr), std::logic_error);
}

}  // namespace
}  // namespace vectrel
