#include "cinelume/document/make_unique_name.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "cinelume/document/xml_document.h"
#include "cinelume/document/xml_movie.h"

namespace cinelume {
namespace {

// name, kind
using Objects = std::vector<std::pair<std::string, std::string>>;

std::string NameFor(const Objects& objects, const char* prefix) {
  TXMLDocument document;
  document.LoadFromText("<Movie/>");
  TXMLObjList list = GetMovie(document).Obj();
  for (const auto& [name, kind] : objects) {
    TXMLObj obj = list.Add();
    obj.SetObjName(name);
    obj.SetObjTypeName(kind);
  }
  return MakeUniqueName(list, prefix);
}

struct NameCase {
  Objects objects;
  const char* prefix;
  const char* expected;
};

TEST(MakeUniqueName, Walk) {
  const NameCase cases[] = {
      {{}, "Text", "Text1"},
      {{{"Text1", "Text"}, {"Text2", "Text"}}, "Text", "Text3"},
      // The walk meets Text1 with count 1, so the candidate becomes Text2, which is free.
      {{{"Text1", "Text"}, {"Text3", "Text"}}, "Text", "Text2"},
      {{{"Text1", "Text"}, {"Pic1", "Pic"}}, "Pic", "Pic2"},
      {{{"Text1", "Text"}, {"Pic1", "Pic"}}, "Sound", "Sound1"},
      // Only objects of the kind count: Pic1 is met as the first picture.
      {{{"Text1", "Text"}, {"Text2", "Text"}, {"Pic1", "Pic"}}, "Pic", "Pic2"},
      // Met as the second text: the candidate jumps to Text3.
      {{{"Text2", "Text"}, {"Text1", "Text"}}, "Text", "Text3"},
  };
  for (const NameCase& c : cases) EXPECT_EQ(NameFor(c.objects, c.prefix), c.expected) << c.expected;
}

TEST(MakeUniqueName, HandEditedFilesThatSendTheWalkRoundInCirclesStillGetAFreeName) {
  // A picture named Text1: the walk meets it with no text counted and would
  // try Text1 for ever.
  EXPECT_EQ(NameFor({{"Text1", "Pic"}}, "Text"), "Text2");
  // Text1 -> Text2 (met as text 1) -> Text2 again: the first free number.
  EXPECT_EQ(NameFor({{"Text2", "Text"}, {"Text1", "Pic"}}, "Text"), "Text3");
  EXPECT_EQ(NameFor({{"Text1", "Sound"}, {"Text2", "Sound"}, {"Text3", "Text"}}, "Text"), "Text4");
}

TEST(MakeUniqueName, ReadsCreateMissingNames) {
  TXMLDocument document;
  document.LoadFromText("<Movie><Obj/></Movie>");
  EXPECT_EQ(MakeUniqueName(GetMovie(document).Obj(), "Text"), "Text1");
  EXPECT_EQ(document.SaveToText(), "<Movie><Obj><ObjTypeName/><ObjName/></Obj></Movie>");
}

}  // namespace
}  // namespace cinelume
