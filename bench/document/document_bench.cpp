// Export of a reference project: ten 20-character texts, one per effect,
// with their default spans; one 320 x 240 picture with "Move"; one sound.
// Runs in a private temp and config folder with the built server
// registered there.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <stdlib.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "cinelume/document/error_box.h"
#include "cinelume/document/flash_card.h"
#include "platform/com_object.h"
#include "cinelume/document/global_unit.h"
#include "cinelume/document/headless_export.h"
#include "platform/server_exports.h"
#include "support/server_module.h"
#include "support/wave_file.h"

namespace {

class QuietErrorBox : public cinelume::IErrorBox {
 public:
  void ShowError(const std::string&) override {}
};

std::string Text(int n, const std::string& effect, int end, int y) {
  return "<Obj><ObjName>Text" + std::to_string(n) + "</ObjName><StartTime>0</StartTime><EndTime>" +
         std::to_string(end) +
         "</EndTime><Layer>2</Layer><ObjTypeName>Text</ObjTypeName><ObjType><ObjText>"
         "<Content>Greetings from Vectrel</Content><TextUnit>1</TextUnit><FontName>Arial</FontName>"
         "<FontSize>18</FontSize><FontColor>255</FontColor><PositionX>20</PositionX><PositionY>" +
         std::to_string(y) + "</PositionY><EffectName>" + effect +
         "</EffectName><EffectValue></EffectValue></ObjText></ObjType></Obj>";
}

void WriteWav(const std::string& file) {
  wavetest::WriteBytes(file, wavetest::MonoPcm16(11025, wavetest::Square(11025, 25, 6000)));
}

struct Setup {
  std::unique_ptr<QGuiApplication> app;
  cinelume::TGlobalVars globals;
  std::string project;
  std::string out;
  bool ok = false;
};

Setup& Environment() {
  static Setup setup = [] {
    Setup s;
    char pattern[] = "/tmp/document_bench.XXXXXX";
    const std::string dir = mkdtemp(pattern);
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    setenv("temp", dir.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "document_bench";
    static char* argv[] = {name, nullptr};
    s.app = std::make_unique<QGuiApplication>(argc, argv);
    if (testsupport::CallModuleEntry(VECTREL_MODULE, platform::kDllRegisterServer) != platform::S_OK) return s;
    cinelume::InitGlobalVars(s.globals, dir);
    cinelume::CreateAutomationObjects(s.globals);

    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(QColor(40, 120, 200));
    const std::string bmp = dir + "/picture.bmp";
    picture.save(QString::fromStdString(bmp), "BMP");
    WriteWav(dir + "/tune.wav_tmp.wav");

    std::string objects;
    const char* effects[] = {"-- None --", "Come In", "Fade", "Heart Beat", "Kerning",
                             "Move",       "Radiation", "Rainbow", "Roll In", "Rotate"};
    int n = 0;
    for (const std::string effect : effects) {
      const int end = effect == "Move" || effect == "Roll In" ? 239 : effect == "Rotate" ? 49 : 24;
      objects += Text(n + 1, effect, end, 10 + 15 * n);
      ++n;
    }
    objects += "<Obj><ObjName>Pic1</ObjName><StartTime>0</StartTime><EndTime>24</EndTime><Layer>2</Layer>"
               "<ObjTypeName>Pic</ObjTypeName><ObjType><ObjPic><Content>" + bmp +
               "</Content><PositionX>50</PositionX><PositionY>0</PositionY><Width>320</Width><Height>240</Height>"
               "<EffectName>Move</EffectName></ObjPic></ObjType></Obj>";
    objects += "<Obj><ObjName>Sound1</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><Layer>2</Layer>"
               "<ObjTypeName>Sound</ObjTypeName><ObjType><ObjSound><Content>/music/tune.wav</Content></ObjSound>"
               "</ObjType></Obj>";
    s.project = dir + "/reference.kvx";
    std::ofstream(s.project) << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Movie><TotalFrames>25</TotalFrames>"
                                "<BgColor>16777215</BgColor><BgPic></BgPic><Width>420</Width><Height>180</Height>"
                                "<Rate>15</Rate><Loop>false</Loop>"
                             << objects << "</Movie>\n";
    s.out = dir + "/reference.swf";
    s.ok = true;
    return s;
  }();
  return setup;
}

void BM_ExportReferenceProject(benchmark::State& state) {
  Setup& s = Environment();
  if (!s.ok) {
    state.SkipWithError("Vectrel could not be registered");
    return;
  }
  QuietErrorBox quiet;
  for (auto _ : state) {
    cinelume::ExportProject(s.globals, s.project, s.out, quiet);
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(s.out));
}
BENCHMARK(BM_ExportReferenceProject)->Unit(benchmark::kMillisecond);

// One regeneration of the opened project into the preview file, as after
// every edit: the document's reads and recipes, the automation calls and
// the server's work and writing.
void BM_RegeneratePreview(benchmark::State& state) {
  Setup& s = Environment();
  if (!s.ok) {
    state.SkipWithError("Vectrel could not be registered");
    return;
  }
  QuietErrorBox quiet;
  cinelume::TDocumentWindows windows;
  windows.ErrorBox = &quiet;
  cinelume::TFlashCard card(s.globals, windows);
  card.SourceFile = s.project;
  card.SetMode("Edit");
  for (auto _ : state) card.GenerateMovie("", "");
}
BENCHMARK(BM_RegeneratePreview)->Unit(benchmark::kMillisecond);

// The same against objects that accept every call and do nothing: what the
// document side costs (project reads, recipes, building and sending the
// calls), and how many calls one generation makes.
class NullDispatch : public platform::ComObject<platform::IDispatch> {
 public:
  explicit NullDispatch(std::uint64_t& calls) : calls_(calls) {}
  platform::HRESULT GetTypeInfoCount(platform::UINT* count) override {
    *count = 0;
    return platform::S_OK;
  }
  platform::HRESULT GetTypeInfo(platform::UINT, platform::LCID, platform::ITypeInfo**) override {
    return platform::E_NOTIMPL;
  }
  platform::HRESULT GetIDsOfNames(const platform::IID&, platform::OLECHAR**, platform::UINT count, platform::LCID,
                                  platform::DISPID* ids) override {
    for (platform::UINT i = 0; i < count; ++i) ids[i] = 1;
    return platform::S_OK;
  }
  platform::HRESULT Invoke(platform::DISPID, const platform::IID&, platform::LCID, platform::WORD,
                           platform::DISPPARAMS*, platform::VARIANT*, platform::EXCEPINFO*, platform::UINT*) override {
    ++calls_;
    return platform::S_OK;
  }

 protected:
  void* FindInterface(const platform::IID& iid) override {
    return iid == platform::IID_IDispatch ? static_cast<platform::IDispatch*>(this) : nullptr;
  }

 private:
  std::uint64_t& calls_;
};

void BM_RegenerateWithNullServer(benchmark::State& state) {
  Setup& s = Environment();
  if (!s.ok) {
    state.SkipWithError("Vectrel could not be registered");
    return;
  }
  std::uint64_t calls = 0;
  cinelume::TGlobalVars globals;
  cinelume::InitGlobalVars(globals, "/nonexistent");
  globals.MovieObj = platform::MakeObject<NullDispatch>(calls);
  globals.PictureObj = platform::MakeObject<NullDispatch>(calls);
  globals.TextObj = platform::MakeObject<NullDispatch>(calls);
  globals.ActionObj = platform::MakeObject<NullDispatch>(calls);
  QuietErrorBox quiet;
  cinelume::TDocumentWindows windows;
  windows.ErrorBox = &quiet;
  cinelume::TFlashCard card(globals, windows);
  card.SourceFile = s.project;
  card.SetMode("Edit");
  calls = 0;
  for (auto _ : state) card.GenerateMovie("", "");
  state.counters["calls"] = static_cast<double>(calls) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RegenerateWithNullServer)->Unit(benchmark::kMillisecond);

}  // namespace
