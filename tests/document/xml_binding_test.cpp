#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cinelume/document/xml_unit.h"
#include "project_files.h"

namespace cinelume {
namespace {

using documenttest::Fixture;
using documenttest::ProjectFile;
using documenttest::ReadText;

TEST(XMLBinding, ExampleProjectReadsBackAndSavesUnchanged) {
  const std::string original = ReadText(Fixture("example.kvx"));
  const auto file = ProjectFile(original);
  TXMLDocument document;
  document.LoadFromFile(file);
  TXMLMovie movie = GetMovie(document);

  // The background, in the order the document reads it.
  EXPECT_EQ(movie.TotalFrames(), 25);
  EXPECT_EQ(ColorFromText(movie.BgColor()), 0xFFFFFF);
  EXPECT_EQ(movie.BgPic(), "");
  EXPECT_EQ(movie.Width(), 420);
  EXPECT_EQ(movie.Height(), 180);
  EXPECT_EQ(movie.Rate(), 15);
  EXPECT_TRUE(SwitchFromText(movie.Loop()));

  TXMLObjList objects = movie.Obj();
  ASSERT_EQ(objects.Count(), 2);
  TXMLObj text = objects.Item(0);
  EXPECT_EQ(text.ObjTypeName(), "Text");
  EXPECT_EQ(text.ObjName(), "Text1");
  EXPECT_EQ(text.Layer(), 2);
  TXMLObjText values = text.ObjType().ObjText();
  EXPECT_EQ(values.Content(), "Hello");
  EXPECT_EQ(values.FontName(), "Microsoft Sans Serif");
  EXPECT_EQ(values.FontSize(), 18);
  EXPECT_EQ(ColorFromText(values.FontColor()), 255);
  EXPECT_EQ(values.PositionX(), 50);
  EXPECT_EQ(values.PositionY(), 50);
  EXPECT_EQ(values.EffectName(), "Fade");
  EXPECT_EQ(values.EffectValue(), "");
  EXPECT_EQ(values.TextUnit(), 1);
  EXPECT_EQ(text.StartTime(), 0);
  EXPECT_EQ(text.EndTime(), 24);

  TXMLObj sound = objects.Item(1);
  EXPECT_EQ(sound.ObjTypeName(), "Sound");
  EXPECT_EQ(sound.ObjName(), "Sound1");
  EXPECT_EQ(sound.ObjType().ObjSound().Content(), "/home/user/Music/bell.wav");
  EXPECT_EQ(sound.StartTime(), 0);
  EXPECT_EQ(sound.EndTime(), 1);
  EXPECT_EQ(sound.Layer(), 2);

  // Writing the same values back, as the panels do, changes nothing either.
  movie.SetTotalFrames(25);
  movie.SetBgColor(ColorToText(0xFFFFFF));
  movie.SetBgPic("");
  movie.SetWidth(420);
  movie.SetHeight(180);
  movie.SetRate(15);
  movie.SetLoop(SwitchToText(true));
  text.SetLayer(2);
  values.SetContent("Hello");
  values.SetFontName("Microsoft Sans Serif");
  values.SetFontSize(18);
  values.SetFontColor(ColorToText(255));
  values.SetPositionX(50);
  values.SetPositionY(50);
  values.SetEffectName("Fade");
  values.SetTextUnit(1);
  text.SetStartTime(0);
  text.SetEndTime(24);
  sound.ObjType().ObjSound().SetContent("/home/user/Music/bell.wav");
  document.Save();
  // Only the empty forms may differ: a value set empty is written <X/>.
  std::string expected = original;
  expected.replace(expected.find("<BgPic></BgPic>"), 15, "<BgPic/>");
  EXPECT_EQ(ReadText(file), expected);
}

TEST(XMLBinding, ReadingAMissingElementAddsItEmptyAndTheNextWriteFillsIt) {
  TXMLDocument document;
  document.LoadFromText("<Movie><Rate>15</Rate></Movie>");
  TXMLMovie movie = GetMovie(document);
  EXPECT_FALSE(SwitchFromText(movie.Loop()));  // looping off
  EXPECT_EQ(document.SaveToText(), "<Movie><Rate>15</Rate><Loop/></Movie>");
  movie.SetLoop(SwitchToText(true));
  EXPECT_EQ(document.SaveToText(), "<Movie><Rate>15</Rate><Loop>true</Loop></Movie>");
}

TEST(XMLBinding, NewElementsGoAfterTheLastChildWithoutWhitespace) {
  TXMLDocument document;
  document.LoadFromText("<Movie>\n  <Rate>15</Rate>\n</Movie>\n");
  TXMLObj obj = GetMovie(document).Obj().Add();
  obj.SetObjName("Text1");
  obj.SetStartTime(0);
  obj.SetEndTime(obj.StartTime() + 24);
  obj.SetLayer(2);
  obj.SetObjTypeName("Text");
  TXMLObjText text = obj.ObjType().ObjText();
  text.SetContent("");
  text.SetTextUnit(1);
  text.SetFontColor("$FF0000");
  EXPECT_EQ(document.SaveToText(),
            "<Movie>\n  <Rate>15</Rate>\n<Obj><ObjName>Text1</ObjName><StartTime>0</StartTime><EndTime>24</EndTime>"
            "<Layer>2</Layer><ObjTypeName>Text</ObjTypeName><ObjType><ObjText><Content/><TextUnit>1</TextUnit>"
            "<FontColor>$FF0000</FontColor></ObjText></ObjType></Obj></Movie>\n");
  EXPECT_EQ(ColorFromText(text.FontColor()), 16711680);
}

TEST(XMLBinding, IntegerReads) {
  struct Case {
    const char* movie;
    bool ok;
    int rate;
  };
  const Case cases[] = {
      {"<Movie><Rate>12</Rate></Movie>", true, 12},
      {"<Movie><Rate>-3</Rate></Movie>", true, -3},
      {"<Movie><Rate>$10</Rate></Movie>", true, 16},
      {"<Movie><Rate>\n  12\n</Rate></Movie>", true, 12},
      {"<Movie><Rate><![CDATA[12]]></Rate></Movie>", true, 12},
      {"<Movie><Rate>1<!-- one -->2</Rate></Movie>", true, 12},
      {"<Movie/>", false, 0},
      {"<Movie><Rate/></Movie>", false, 0},
      {"<Movie><Rate>fast</Rate></Movie>", false, 0},
      {"<Movie><Rate>15 fps</Rate></Movie>", false, 0},
      {"<Movie><Rate>4294967296</Rate></Movie>", false, 0},
  };
  for (const Case& c : cases) {
    TXMLDocument document;
    document.LoadFromText(c.movie);
    TXMLMovie movie = GetMovie(document);
    if (c.ok) {
      EXPECT_EQ(movie.Rate(), c.rate) << c.movie;
    } else {
      try {
        movie.Rate();
        ADD_FAILURE() << "no error for " << c.movie;
      } catch (const EConvertError& e) {
        EXPECT_EQ(e.Element(), "Movie/Rate") << c.movie;
      }
    }
  }
}

TEST(XMLBinding, ABadEndTimeFailsOnlyItsOwnObject) {
  TXMLDocument document;
  document.LoadFromText(
      "<Movie>"
      "<Obj><ObjName>Text1</ObjName><EndTime>24</EndTime></Obj>"
      "<Obj><ObjName>Text2</ObjName><EndTime>soon</EndTime></Obj>"
      "<Obj><ObjName>Text3</ObjName><EndTime>30</EndTime></Obj>"
      "</Movie>");
  TXMLObjList objects = GetMovie(document).Obj();
  std::vector<std::string> read;
  for (int i = 0; i < objects.Count(); ++i) {
    try {
      read.push_back(std::to_string(objects.Item(i).EndTime()));
    } catch (const EConvertError& e) {
      read.push_back(e.what());
    }
  }
  EXPECT_EQ(read, (std::vector<std::string>{"24", "'soon' is not a valid integer value in Movie/Obj[2]/EndTime", "30"}));
}

TEST(XMLBinding, TheFirstElementOfANameIsTheOneUsed) {
  TXMLDocument document;
  document.LoadFromText("<Movie><Rate>10</Rate><Rate>20</Rate></Movie>");
  TXMLMovie movie = GetMovie(document);
  EXPECT_EQ(movie.Rate(), 10);
  movie.SetRate(30);
  EXPECT_EQ(document.SaveToText(), "<Movie><Rate>30</Rate><Rate>20</Rate></Movie>");
}

TEST(XMLBinding, TextsAreEscapedAndComeBackAsTheyWere) {
  const auto file = ProjectFile("<Movie/>");
  TXMLDocument document;
  document.LoadFromFile(file);
  const std::string tricky = "a < b && c > d ]]> \"quoted\" 'single'\n  two spaces\ttab";
  GetMovie(document).SetMovieName(tricky);
  document.Save();
  TXMLDocument reloaded;
  reloaded.LoadFromFile(file);
  EXPECT_EQ(GetMovie(reloaded).MovieName(), tricky);
}

TEST(XMLBinding, SettingAValueReplacesWhateverTheElementHeld) {
  TXMLDocument document;
  document.LoadFromText("<Movie><Author>a<b>bold</b>c<!--x--></Author></Movie>");
  TXMLMovie movie = GetMovie(document);
  EXPECT_EQ(movie.Author(), "ac");
  movie.SetAuthor("x");
  EXPECT_EQ(document.SaveToText(), "<Movie><Author>x</Author></Movie>");
  movie.SetAuthor("");
  EXPECT_EQ(document.SaveToText(), "<Movie><Author/></Movie>");
}

TEST(XMLBinding, WindowsLineEndsStayInTheFileButTextsGetNewlines) {
  const std::string original = "<Movie>\r\n<Obj><ObjType><ObjText><Content>one\r\ntwo\rthree</Content></ObjText></ObjType></Obj>\r\n</Movie>";
  TXMLDocument document;
  document.LoadFromText(original);
  EXPECT_EQ(GetMovie(document).Obj().Item(0).ObjType().ObjText().Content(), "one\ntwo\nthree");
  EXPECT_EQ(document.SaveToText(), original);
}

TEST(XMLBinding, ObjList) {
  TXMLDocument document;
  document.LoadFromText("<Movie>\n<Rate>15</Rate>\n<Obj><ObjName>A</ObjName></Obj>\n<Author/>\n<Obj><ObjName>B</ObjName></Obj>\n</Movie>");
  TXMLObjList objects = GetMovie(document).Obj();
  ASSERT_EQ(objects.Count(), 2);  // other children in between do not count
  EXPECT_EQ(objects.Item(1).ObjName(), "B");
  EXPECT_THROW(objects.Item(2), EListIndexError);
  EXPECT_THROW(objects.Item(-1), EListIndexError);
  EXPECT_THROW(objects.Delete(2), EListIndexError);

  objects.Add().SetObjName("C");
  ASSERT_EQ(objects.Count(), 3);
  EXPECT_EQ(objects.Item(2).ObjName(), "C");

  objects.Delete(0);
  ASSERT_EQ(objects.Count(), 2);
  EXPECT_EQ(objects.Item(0).ObjName(), "B");
  EXPECT_EQ(document.SaveToText(),
            "<Movie>\n<Rate>15</Rate>\n\n<Author/>\n<Obj><ObjName>B</ObjName></Obj>\n<Obj><ObjName>C</ObjName></Obj></Movie>");
}

TEST(XMLBinding, AMovieWithoutObjectsHasAnEmptyList) {
  TXMLDocument document;
  document.LoadFromText("<Movie><Width>420</Width></Movie>");
  EXPECT_EQ(GetMovie(document).Obj().Count(), 0);
  EXPECT_EQ(GetMovie(document).Obj().IndexOfName("Text1"), -1);
}

TEST(XMLBinding, KindElementsAreCreatedWhenAbsent) {
  TXMLDocument document;
  document.LoadFromText("<Movie><Obj/></Movie>");
  TXMLObj obj = GetMovie(document).Obj().Item(0);
  EXPECT_EQ(obj.ObjType().ObjPic().Content(), "");
  EXPECT_EQ(document.SaveToText(), "<Movie><Obj><ObjType><ObjPic><Content/></ObjPic></ObjType></Obj></Movie>");
  obj.ObjType().ObjPic().SetWidth(320);
  obj.ObjType().ObjPic().SetHeight(240);
  EXPECT_EQ(obj.ObjType().ObjPic().Width(), 320);
  EXPECT_EQ(obj.ObjType().ObjPic().Height(), 240);
}

TEST(XMLBinding, TwoObjectsOfTheSameNameFindTheFirst) {
  TXMLDocument document;
  document.LoadFromText(
      "<Movie><Obj><ObjName>Pic1</ObjName></Obj><Obj><ObjName>Text1</ObjName><Layer>1</Layer></Obj>"
      "<Obj><ObjName>Text1</ObjName><Layer>2</Layer></Obj></Movie>");
  TXMLObjList objects = GetMovie(document).Obj();
  const int found = objects.IndexOfName("Text1");
  EXPECT_EQ(found, 1);
  EXPECT_EQ(objects.Item(found).Layer(), 1);
  EXPECT_EQ(objects.IndexOfName("text1"), -1);  // exact comparison
}

TEST(XMLBinding, UnknownElementsSurviveEditsAndSaves) {
  const std::string author = "<Author>Jane Doe</Author>";
  const std::string custom = "<Custom kind=\"note\">\n    <Deep>kept</Deep>\n  </Custom>";
  const auto file = ProjectFile("<?xml version=\"1.0\"?>\n<Movie>\n  " + author + "\n  <Rate>15</Rate>\n  <Obj>" + custom +
                                "<ObjName>Text1</ObjName><ObjTypeName>Text</ObjTypeName></Obj>\n</Movie>\n");
  for (int round = 0; round < 5; ++round) {
    TXMLDocument document;
    document.LoadFromFile(file);
    TXMLMovie movie = GetMovie(document);
    movie.SetRate(movie.Rate() + 1);
    TXMLObjList objects = movie.Obj();
    TXMLObj added = objects.Add();
    added.SetObjName(MakeUniqueName(objects, "Pic"));
    added.SetObjTypeName("Pic");
    objects.Item(0).ObjType().ObjText().SetContent("round " + std::to_string(round));
    objects.Delete(objects.IndexOfName(added.ObjName()));
    document.Save();

    const std::string saved = ReadText(file);
    EXPECT_NE(saved.find("<Movie>\n  " + author + "\n  <Rate>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<Obj>" + custom + "<ObjName>"), std::string::npos) << saved;
    EXPECT_EQ(saved.rfind("<?xml version=\"1.0\"?>\n<Movie>", 0), 0u) << saved;
  }
  TXMLDocument document;
  document.LoadFromFile(file);
  EXPECT_EQ(GetMovie(document).Rate(), 20);
}

TEST(XMLBinding, ChineseContentSurvivesEditsAndSavesByteForByte) {
  // 你好，世界 and a clapper board outside the BMP
  const std::string chinese = "\xE4\xBD\xA0\xE5\xA5\xBD\xEF\xBC\x8C\xE4\xB8\x96\xE7\x95\x8C \xF0\x9F\x8E\xAC";
  const std::string handwritten = "\xE8\x8A\xB1\xE5\xBC\x80";  // 花开, written into the file by hand
  const auto file = ProjectFile(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Movie><Obj><ObjName>Text1</ObjName><ObjType><ObjText><Content>" +
      handwritten + "</Content></ObjText></ObjType></Obj></Movie>");
  {
    TXMLDocument document;
    document.LoadFromFile(file);
    TXMLObj text = GetMovie(document).Obj().Add();
    text.SetObjName("Text2");
    text.ObjType().ObjText().SetContent(chinese);
    document.Save();
  }
  for (int round = 0; round < 3; ++round) {
    TXMLDocument document;
    document.LoadFromFile(file);
    TXMLObjList objects = GetMovie(document).Obj();
    EXPECT_EQ(objects.Item(0).ObjType().ObjText().Content(), handwritten);
    EXPECT_EQ(objects.Item(1).ObjType().ObjText().Content(), chinese);
    objects.Item(1).ObjType().ObjText().SetFontSize(18 + round);
    objects.Item(0).SetEndTime(round);
    document.Save();
    const std::string saved = ReadText(file);
    EXPECT_NE(saved.find("<Content>" + chinese + "</Content>"), std::string::npos);
    EXPECT_NE(saved.find("<Content>" + handwritten + "</Content>"), std::string::npos);
  }
}

}  // namespace
}  // namespace cinelume
