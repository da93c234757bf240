#pragma once

// A document driven against the recording fakes, with a recording error box.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cinelume/document/flash_card.h"
#include "cinelume/document/global_unit.h"
#include "fake_automation.h"
#include "project_files.h"

namespace documenttest {

class RecordingErrorBox : public cinelume::IErrorBox {
 public:
  void ShowError(const std::string& message) override { messages.push_back(message); }
  std::vector<std::string> messages;
};

// A project with the given background values and `objects` (Obj elements).
inline std::string Project(const std::string& objects, const std::string& loop = "true", int width = 420,
                           const std::string& bgpic = "", int total_frames = 100) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Movie><TotalFrames>" + std::to_string(total_frames) +
         "</TotalFrames><BgColor>16777215</BgColor><BgPic>" + bgpic + "</BgPic><Width>" + std::to_string(width) +
         "</Width><Height>180</Height><Rate>15</Rate><Loop>" + loop + "</Loop>" + objects + "</Movie>\n";
}

struct TextFields {
  std::string name = "Text1";
  std::string content = "AB";
  std::string effect = "-- None --";
  std::string start = "0";
  std::string end = "1";
  int x = 10, y = 20, size = 20;
  std::string color = "255";
  int unit = 1;
};

inline std::string TextObj(const TextFields& t) {
  return "<Obj><ObjName>" + t.name + "</ObjName><StartTime>" + t.start + "</StartTime><EndTime>" + t.end +
         "</EndTime><Layer>2</Layer><ObjTypeName>Text</ObjTypeName><ObjType><ObjText><Content>" + t.content +
         "</Content><TextUnit>" + std::to_string(t.unit) + "</TextUnit><FontName>Arial</FontName><FontSize>" +
         std::to_string(t.size) + "</FontSize><FontColor>" + t.color + "</FontColor><PositionX>" +
         std::to_string(t.x) + "</PositionX><PositionY>" + std::to_string(t.y) + "</PositionY><EffectName>" +
         t.effect + "</EffectName><EffectValue></EffectValue></ObjText></ObjType></Obj>";
}

inline std::string PicObj(const std::string& content, const std::string& effect, int start, int end, int x = 10,
                          int y = 20, int w = 30, int h = 40, const std::string& name = "Pic1") {
  return "<Obj><ObjName>" + name + "</ObjName><StartTime>" + std::to_string(start) + "</StartTime><EndTime>" +
         std::to_string(end) + "</EndTime><Layer>2</Layer><ObjTypeName>Pic</ObjTypeName><ObjType><ObjPic><Content>" +
         content + "</Content><PositionX>" + std::to_string(x) + "</PositionX><PositionY>" + std::to_string(y) +
         "</PositionY><Width>" + std::to_string(w) + "</Width><Height>" + std::to_string(h) +
         "</Height><EffectName>" + effect + "</EffectName></ObjPic></ObjType></Obj>";
}

inline std::string SoundObj(const std::string& content, const std::string& name = "Sound1") {
  return "<Obj><ObjName>" + name +
         "</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><Layer>2</Layer><ObjTypeName>Sound</ObjTypeName>"
         "<ObjType><ObjSound><Content>" +
         content + "</Content></ObjSound></ObjType></Obj>";
}

class GenerationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cinelume::InitGlobalVars(globals_, "/nonexistent");
    log_ = InstallFakes(globals_);
    globals_.RainbowSeed = 0;
    windows_.ErrorBox = &errors_;
    card_ = std::make_unique<cinelume::TFlashCard>(globals_, windows_);
  }

  // Opens the project as edit mode does, then forgets what that generation
  // recorded.
  void Open(const std::string& project_text) {
    card_->SourceFile = ProjectFile(project_text).string();
    card_->SetMode("Edit");
    log_->calls.clear();
    errors_.messages.clear();
  }

  // Opens the project and generates once more; returns the calls.
  std::vector<std::string> Generate(const std::string& project_text, const std::string& mode = "") {
    Open(project_text);
    card_->GenerateMovie(mode, "");
    return log_->calls;
  }

  // The calls from the first one starting with `from` on, without the final
  // WriteMovie.
  static std::vector<std::string> From(const std::vector<std::string>& calls, const std::string& from) {
    std::vector<std::string> out;
    bool on = false;
    for (const auto& c : calls) {
      if (c.rfind(from, 0) == 0) on = true;
      if (on && c.rfind("Movie.WriteMovie", 0) != 0) out.push_back(c);
    }
    return out;
  }

  cinelume::TGlobalVars globals_;
  std::shared_ptr<CallLog> log_;
  RecordingErrorBox errors_;
  cinelume::TDocumentWindows windows_;
  std::unique_ptr<cinelume::TFlashCard> card_;
};

}  // namespace documenttest
