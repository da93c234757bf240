#include "cinelume/document/flash_pic.h"

#include <exception>

#include "cinelume/document/argument_ranges.h"
#include "cinelume/document/automation_call.h"
#include "cinelume/document/delphi_round.h"
#include "cinelume/document/flash_card.h"
#include "cinelume/document/xml_movie.h"

namespace cinelume {

void TFlashPic::LoadFromXml(int index) {
  TXMLObj obj = Card().XmlMovie().Obj().Item(index);
  TXMLObjPic pic = obj.ObjType().ObjPic();
  Content = pic.Content();
  PositionX = pic.PositionX();
  PositionY = pic.PositionY();
  Width = pic.Width();
  Height = pic.Height();
  EffectName = pic.EffectName();
  StartTime = obj.StartTime();
  EndTime = obj.EndTime();
  Layer = obj.Layer();
}

void TFlashPic::Generate(int index) {
  LoadFromXml(index);
  if (Content.empty()) {
    if (IPicturePreview* preview = Card().Windows().PicturePreview) preview->ClearPicture();
    return;
  }
  IErrorBox* error_box = Card().Windows().ErrorBox;
  // A picture that cannot be used is left out, not drawn with whatever
  // JPEG the converter held before.
  {
    TPic& converter = Card().PicConverter();
    converter.SourceFile = Content;
    bool converted = false;
    bool reported = false;
    try {
      converted = converter.Convert();
      // False after a size message means it was reported already.
      reported = !converted && converter.Refused();
    } catch (const std::exception&) {
      converted = false;
    }
    IPicturePreview* preview = Card().Windows().PicturePreview;
    if (!converted) {
      if (preview != nullptr) preview->ClearPicture();
      if (!reported && error_box != nullptr) error_box->ShowError(kCannotUse);
      return;
    }
    if (preview != nullptr) preview->LoadPicture(Content);
    JpegFile = converter.JpegFile;
  }
  TMovieFrames& frames = Card().Frames();
  try {
    const std::int32_t s = frames.ClampFrame(StartTime);
    const std::int32_t e = frames.ClampFrame(EndTime);
    RunRecipe(s, e);
    if (e < Card().TotalFrames) {
      frames.GotoFrame(e);
      frames.RemoveObject(Card().Globals().PictureObj.Get());
    }
  } catch (const std::exception&) {
    if (error_box != nullptr) error_box->ShowError(kCannotUse);
  }
}

void TFlashPic::Draw(std::int64_t x) {
  platform::IDispatch* picture = Card().Globals().PictureObj.Get();
  const std::int64_t y = PositionY;
  Call(picture, u"MakePicture", ClampLong(x * 20), ClampLong(y * 20), ClampLong((x + Width) * 20),
       ClampLong((y + Height) * 20), Width, Height, JpegFile);
}

void TFlashPic::RunRecipe(std::int32_t s, std::int32_t e) {
  TMovieFrames& frames = Card().Frames();
  platform::IDispatch* picture = Card().Globals().PictureObj.Get();
  const std::int64_t movie_width = Card().Width;
  const double span = e > s ? static_cast<double>(e - s) : 1.0;
  for (std::int32_t i = s; i <= e; ++i) {
    std::int64_t x = PositionX;
    if (EffectName == "-- None --") {
      x = PositionX;
    } else if (EffectName == "Move") {
      x = PositionX - 2 * static_cast<std::int64_t>(i);
    } else if (EffectName == "Come In") {
      // From the right edge of the movie to its place over the span.
      const double t = e > s ? (i - s) / span : 1.0;
      x = static_cast<std::int64_t>(RoundHalfEven(movie_width + (PositionX - movie_width) * t));
    } else if (EffectName == "Come Out") {
      // From its place out past the left edge over the span.
      const double t = e > s ? (i - s) / span : 1.0;
      const double gone = -static_cast<double>(Width);
      x = static_cast<std::int64_t>(RoundHalfEven(PositionX + (gone - PositionX) * t));
    } else {
      return;
    }
    frames.GotoFrame(i);
    // In the first frame the object still holds what was drawn with it
    // before (the background picture, the previous picture); removing that
    // would end its display here.
    if (i != s) frames.RemoveObject(picture);
    Draw(x);
    frames.AddObject(picture);
  }
}

void TFlashPic::ShowInPanel() {
  if (IPropertyPanels* panels = Card().Windows().Panels) panels->ShowPic(*this);
}

void TFlashPic::ReadFromPanel() {
  if (IPropertyPanels* panels = Card().Windows().Panels) panels->ReadPic(*this);
}

void TFlashPic::FillNew(TXMLObj obj, std::int32_t start_frame) {
  obj.SetObjName(ObjName);
  obj.SetStartTime(start_frame);
  obj.SetEndTime(obj.StartTime() + 24);
  obj.SetLayer(2);
  obj.SetObjTypeName("Pic");
  TXMLObjPic pic = obj.ObjType().ObjPic();
  pic.SetContent("");
  pic.SetPositionX(0);
  pic.SetPositionY(0);
  pic.SetWidth(0);
  pic.SetHeight(0);
  pic.SetEffectName("-- None --");
}

void TFlashPic::WriteTo(TXMLObj obj) {
  TXMLObjPic pic = obj.ObjType().ObjPic();
  pic.SetContent(Content);
  pic.SetPositionX(PositionX);
  pic.SetPositionY(PositionY);
  pic.SetWidth(Width);
  pic.SetHeight(Height);
  pic.SetEffectName(EffectName);
  obj.SetStartTime(StartTime);
  obj.SetEndTime(EndTime);
  obj.SetLayer(Layer);
}

}  // namespace cinelume
