#include "cinelume/document/xml_document.h"

#include <string>

#include <gtest/gtest.h>

#include "cinelume/document/xml_errors.h"
#include "cinelume/document/xml_movie.h"
#include "project_files.h"
#include "support/temp_env.h"

namespace cinelume {
namespace {

using documenttest::Fixture;
using documenttest::ProjectFile;
using documenttest::ReadText;
using documenttest::WriteText;

// The message of the EProjectFileError that `load` throws.
template <typename F>
std::string ProjectFileError(F load) {
  try {
    load();
  } catch (const EProjectFileError& e) {
    return e.what();
  }
  ADD_FAILURE() << "no EProjectFileError";
  return {};
}

TEST(XMLDocument, SavesWhatItLoadedByteForByte) {
  const char* texts[] = {
      // as the example project, indented, with its declaration
      nullptr,
      // no declaration: none is added
      "<Movie><Width>420</Width></Movie>",
      // comments, a processing instruction, a doctype, CDATA, attributes of unknown elements
      "<?xml version=\"1.0\"?>\n<!DOCTYPE Movie>\n<!-- made by hand -->\n<Movie>\n\t<?tool x?>"
      "<Author lang=\"en\">Me &amp; you</Author>\n<Note><![CDATA[<b>]]></Note>\n</Movie>\n",
      // Windows line ends and a UTF-8 byte order mark
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Movie>\r\n  <Rate>15</Rate>\r\n</Movie>\r\n",
      // both forms of an empty element, also with a '>' inside an attribute
      "\xEF\xBB\xBF<Movie><BgPic></BgPic><Loop/><Author a=\">\" b=\"/>\"></Author><Note c=\">\"/></Movie>",
  };
  for (const char* text : texts) {
    const std::string original = text ? std::string(text) : ReadText(Fixture("example.kvx"));
    const auto file = ProjectFile(original);
    TXMLDocument document;
    document.LoadFromFile(file);
    EXPECT_EQ(document.FileName(), file);
    document.Save();
    EXPECT_EQ(ReadText(file), original);
  }
}

TEST(XMLDocument, DeeplyNestedUnknownElementsAreKept) {
  std::string original = "<Movie>";
  for (int i = 0; i < 100000; ++i) original += "<a>";
  for (int i = 0; i < 100000; ++i) original += "</a>";
  original += "<b></b></Movie>";
  TXMLDocument document;
  document.LoadFromText(original);
  EXPECT_EQ(document.SaveToText(), original);
}

TEST(XMLDocument, KeepsUtf16Files) {
  // "<Movie>中</Movie>" in UTF-16 LE with a byte order mark.
  const std::string original("\xFF\xFE<\0M\0o\0v\0i\0e\0>\0\x2D\x4E<\0/\0M\0o\0v\0i\0e\0>\0", 34);
  TXMLDocument document;
  document.LoadFromText(original);
  EXPECT_EQ(document.SaveToText(), original);
}

TEST(XMLDocument, Latin1FilesAreWrittenBackInUtf8SoAnyTextFits) {
  const std::string original = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Movie><Author>Jos\xE9</Author></Movie>";
  TXMLDocument document;
  document.LoadFromText(original);
  GetMovie(document).SetMovieName("\xE4\xB8\xAD");  // 中
  EXPECT_EQ(document.SaveToText(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Movie><Author>Jos\xC3\xA9</Author>"
            "<MovieName>\xE4\xB8\xAD</MovieName></Movie>");
}

TEST(XMLDocument, MalformedXmlNamesTheFileAndThePlace) {
  const auto file = ProjectFile("<Movie>\n  <Width>420</Height>\n</Movie>\n");
  TXMLDocument document;
  const std::string message = ProjectFileError([&] { document.LoadFromFile(file); });
  EXPECT_NE(message.find(file.string()), std::string::npos) << message;
  EXPECT_NE(message.find("not well-formed XML"), std::string::npos) << message;
  EXPECT_NE(message.find("line 2"), std::string::npos) << message;
}

TEST(XMLDocument, FilesThatAreNotProjectsAreRefusedClearly) {
  struct Case {
    const char* text;
    const char* says;
  };
  const Case cases[] = {
      {"", "no root element"},
      {"   \n", "no root element"},
      {"<?xml version=\"1.0\"?>", "no root element"},
      {"<Movie>", "not well-formed XML"},
      {"Movie", "not well-formed"},
      {"<Movie></Movie><Movie/>", "not well-formed"},
      {"\x89PNG\r\n\x1A\n", "not well-formed"},
  };
  for (const Case& c : cases) {
    TXMLDocument document;
    const std::string message = ProjectFileError([&] { document.LoadFromText(c.text, "broken.kvx"); });
    EXPECT_NE(message.find("broken.kvx: "), std::string::npos) << message;
    EXPECT_NE(message.find(c.says), std::string::npos) << c.text << " -> " << message;
  }
}

TEST(XMLDocument, ARootOtherThanMovieIsRefusedWhenTheBindingOpens) {
  for (const char* text : {"<movie/>", "<Project><Movie/></Project>"}) {
    const auto file = ProjectFile(text);
    TXMLDocument document;
    document.LoadFromFile(file);
    const std::string message = ProjectFileError([&] { GetMovie(document); });
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find("expected Movie"), std::string::npos) << message;
  }
}

TEST(XMLDocument, AMissingFileIsReported) {
  const auto file = testsupport::FreshDir("missing") / "none.kvx";
  TXMLDocument document;
  const std::string message = ProjectFileError([&] { document.LoadFromFile(file); });
  EXPECT_NE(message.find(file.string()), std::string::npos) << message;
  EXPECT_NE(message.find("cannot be opened"), std::string::npos) << message;
}

TEST(XMLDocument, AFailedLoadKeepsTheDocumentItHad) {
  const auto good = ProjectFile("<Movie><Rate>12</Rate></Movie>");
  const auto bad = ProjectFile("<Movie><Rate>", "bad.kvx");
  TXMLDocument document;
  document.LoadFromFile(good);
  EXPECT_THROW(document.LoadFromFile(bad), EProjectFileError);
  EXPECT_EQ(document.FileName(), good);
  EXPECT_EQ(GetMovie(document).Rate(), 12);
}

TEST(XMLDocument, OversizedInputIsRefusedWithoutParsing) {
  const std::string huge(TXMLDocument::kMaxFileSize + 1, ' ');
  TXMLDocument document;
  const std::string message = ProjectFileError([&] { document.LoadFromText(huge, "huge.kvx"); });
  EXPECT_NE(message.find("too large"), std::string::npos) << message;
}

TEST(XMLDocument, AFailedSaveNamesTheFileAndKeepsTheChange) {
  TXMLDocument document;
  document.LoadFromText("<Movie/>");
  GetMovie(document).SetRate(20);
  const auto target = testsupport::FreshDir("save") / "no-such-folder" / "project.kvx";
  const std::string message = ProjectFileError([&] { document.SaveToFile(target); });
  EXPECT_NE(message.find(target.string()), std::string::npos) << message;
  EXPECT_EQ(GetMovie(document).Rate(), 20);
}

TEST(XMLDocument, SaveWithoutAFileNameIsAnError) {
  TXMLDocument document;
  document.LoadFromText("<Movie/>");
  EXPECT_THROW(document.Save(), EProjectFileError);
}

TEST(XMLDocument, SaveReplacesTheFileWhole) {
  const auto file = ProjectFile("<Movie><Rate>15</Rate></Movie>" + std::string(1000, '\n'));
  TXMLDocument document;
  document.LoadFromText("<Movie/>");
  document.SaveToFile(file);
  EXPECT_EQ(ReadText(file), "<Movie/>");
}

}  // namespace
}  // namespace cinelume
