#include "cinelume/document/flash_text.h"

#include "cinelume/document/flash_card.h"
#include "cinelume/document/text_effects.h"
#include "cinelume/document/value_forms.h"
#include "cinelume/document/xml_movie.h"
#include "platform/utf.h"

namespace cinelume {

namespace {
bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
}  // namespace

std::vector<std::u16string> SplitContent(const std::u16string& content, std::int32_t unit) {
  const std::size_t n = content.size();
  const std::size_t step = unit < 1 ? 1 : static_cast<std::size_t>(unit);
  std::vector<std::u16string> pieces(n);
  std::size_t pos = 0;
  for (std::size_t k = 0; pos < n; ++k) {
    std::size_t count = std::min(step, n - pos);
    if (pos + count < n && IsHigh(content[pos + count - 1]) && IsLow(content[pos + count])) ++count;
    pieces[k] = content.substr(pos, count);
    pos += count;
  }
  return pieces;
}

void TFlashText::SplitUnits() { Card().Globals().TextUnits = SplitContent(Content, TextUnit); }

void TFlashText::LoadFromXml(int index) {
  TXMLObj obj = Card().XmlMovie().Obj().Item(index);
  Layer = obj.Layer();
  TXMLObjText text = obj.ObjType().ObjText();
  Content = platform::Utf8ToUtf16(text.Content());
  FontName = text.FontName();
  FontSize = text.FontSize();
  FontColor = ColorFromText(text.FontColor(), text.PathOf("FontColor"));
  PositionX = text.PositionX();
  PositionY = text.PositionY();
  EffectName = text.EffectName();
  EffectValue = text.EffectValue();
  TextUnit = text.TextUnit();
  StartTime = obj.StartTime();
  EndTime = obj.EndTime();
}

void TFlashText::Generate(int index) {
  LoadFromXml(index);
  SplitUnits();
  TGlobalVars& globals = Card().Globals();
  TMovieFrames& frames = Card().Frames();
  TTextEffectInput input;
  input.FontName = FontName;
  input.Content = Content;
  input.Units = globals.TextUnits;
  input.X = PositionX;
  input.Y = PositionY;
  input.F = FontSize;
  input.R = static_cast<std::uint8_t>(FontColor & 0xFF);
  input.G = static_cast<std::uint8_t>((FontColor >> 8) & 0xFF);
  input.B = static_cast<std::uint8_t>((FontColor >> 16) & 0xFF);
  // Clamped before any loop runs, so an absurd EndTime cannot hang us.
  input.s = frames.ClampFrame(StartTime);
  input.e = frames.ClampFrame(EndTime);
  TTextTarget target;
  target.Text = globals.TextObj.Get();
  target.Frames = &frames;
  target.Random = &globals.Random;
  target.RainbowSeed = globals.RainbowSeed;
  RunTextEffect(EffectName, input, target);
}

void TFlashText::ShowInPanel() {
  if (IPropertyPanels* panels = Card().Windows().Panels) panels->ShowText(*this);
}

void TFlashText::ReadFromPanel() {
  if (IPropertyPanels* panels = Card().Windows().Panels) panels->ReadText(*this);
}

void TFlashText::FillNew(TXMLObj obj, std::int32_t start_frame) {
  obj.SetObjName(ObjName);
  obj.SetStartTime(start_frame);
  obj.SetEndTime(obj.StartTime() + 24);
  obj.SetLayer(2);
  obj.SetObjTypeName("Text");
  TXMLObjText text = obj.ObjType().ObjText();
  text.SetContent("");
  text.SetTextUnit(1);
  text.SetFontName("Microsoft Sans Serif");
  text.SetFontSize(18);
  text.SetFontColor("$FF0000");
  text.SetPositionX(50);
  text.SetPositionY(50);
  text.SetEffectName("-- None --");
  text.SetEffectValue("");
}

void TFlashText::WriteTo(TXMLObj obj) {
  obj.SetLayer(Layer);
  TXMLObjText text = obj.ObjType().ObjText();
  text.SetContent(platform::Utf16ToUtf8(Content));
  text.SetFontName(FontName);
  text.SetFontSize(FontSize);
  text.SetFontColor(ColorToText(FontColor));
  text.SetPositionX(PositionX);
  text.SetPositionY(PositionY);
  text.SetEffectName(EffectName);
  text.SetTextUnit(TextUnit);
  obj.SetStartTime(StartTime);
  obj.SetEndTime(EndTime);
}

}  // namespace cinelume
