#include "cinelume/document/flash_sound.h"

#include <exception>
#include <filesystem>

#include "cinelume/document/automation_call.h"
#include "cinelume/document/flash_card.h"
#include "cinelume/document/xml_movie.h"

namespace cinelume {

std::string TFlashSound::WavCopyOf(const std::string& temp_dir, const std::string& content) {
  const std::size_t slash = content.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? content : content.substr(slash + 1);
  return temp_dir + name + "_tmp.wav";
}

void TFlashSound::LoadFromXml(int index) {
  Content = Card().XmlMovie().Obj().Item(index).ObjType().ObjSound().Content();
}

void TFlashSound::Generate(int index) {
  LoadFromXml(index);
  TMovieFrames& frames = Card().Frames();
  frames.GotoFrame(0);
  if (Content.empty()) return;
  IErrorBox* error_box = Card().Windows().ErrorBox;
  const std::string wav = WavCopyOf(Card().Globals().TempDir, Content);
  // The writer makes nothing of a missing file and says nothing, so the
  // sound would vanish without a word; tell the user instead.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(wav, ec)) {
    if (error_box != nullptr) error_box->ShowError(kCannotUse);
    return;
  }
  try {
    platform::IDispatch* object = Card().Globals().PictureObj.Get();
    Call(object, u"MakeSound", wav);
    frames.AddObject(object);
  } catch (const std::exception&) {
    if (error_box != nullptr) error_box->ShowError(kCannotUse);
  }
}

void TFlashSound::ShowInPanel() {
  if (IPropertyPanels* panels = Card().Windows().Panels) panels->ShowSound(*this);
}

void TFlashSound::ReadFromPanel() {
  if (IPropertyPanels* panels = Card().Windows().Panels) panels->ReadSound(*this);
}

void TFlashSound::FillNew(TXMLObj obj, std::int32_t) {
  obj.SetObjName(ObjName);
  obj.SetStartTime(0);
  obj.SetEndTime(1);
  obj.SetLayer(2);
  obj.SetObjTypeName("Sound");
  obj.ObjType().ObjSound().SetContent("");
}

void TFlashSound::WriteTo(TXMLObj obj) { obj.ObjType().ObjSound().SetContent(Content); }

}  // namespace cinelume
