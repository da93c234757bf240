#include "vectrel/automation/swf_object.h"

#include "platform/guarded_call.h"
#include "platform/server_module.h"
#include "vectrel/authoring/button_object.h"
#include "vectrel/authoring/edit_text_object.h"
#include "vectrel/authoring/font_object.h"
#include "vectrel/authoring/object_type.h"
#include "vectrel/authoring/oval_shape.h"
#include "vectrel/authoring/picture_object.h"
#include "vectrel/authoring/polygon_shape.h"
#include "vectrel/authoring/rectangle_shape.h"
#include "vectrel/authoring/sound_object.h"
#include "vectrel/authoring/text_object.h"
#include "vectrel/automation/ansi_text.h"
#include "vectrel/automation/swf_action.h"
#include "vectrel/automation/vectrel_ids.h"

namespace vectrel {

using platform::CallGuarded;
using platform::E_INVALIDARG;
using platform::E_POINTER;
using platform::S_OK;

SwfObject::SwfObject(platform::IUnknown* outer) : ComObject(outer) { platform::ServerModule::ObjectCreated(); }
SwfObject::~SwfObject() { platform::ServerModule::ObjectDestroyed(); }

void* SwfObject::FindInterface(const platform::IID& iid) {
  if (iid == IID_IswfObject || iid == platform::IID_IDispatch) return static_cast<IswfObject*>(this);
  return nullptr;
}

SwfObject* SwfObject::From(platform::IUnknown* unknown) {
  if (unknown == nullptr) return nullptr;
  platform::ComPtr<platform::IUnknown> held(unknown);
  platform::ComPtr<IswfObject> object;
  if (platform::FAILED(held.As(IID_IswfObject, &object))) return nullptr;
  return dynamic_cast<SwfObject*>(object.Get());
}

void SwfObject::Reset() {
  object_.reset();
  type_code_ = kTypeNone;
}

ShapeObject* SwfObject::Drawable() const {
  return IsDrawableType(type_code_) ? dynamic_cast<ShapeObject*>(object_.get()) : nullptr;
}

HRESULT SwfObject::get_ObjectType(std::int16_t* pVal) {
  if (pVal == nullptr) return E_POINTER;
  *pVal = static_cast<std::int16_t>(type_code_);
  return S_OK;
}

HRESULT SwfObject::put_ObjectType(std::int16_t) { return S_OK; }

HRESULT SwfObject::MakeRectangle(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax) {
  return CallGuarded([&] {
    Reset();
    object_ = std::make_shared<RectangleShape>(xmin, ymin, xmax, ymax);
    type_code_ = kTypeRectangle;
    return S_OK;
  });
}

HRESULT SwfObject::MakeCircle(std::int32_t center_x, std::int32_t center_y, std::int32_t radius) {
  return CallGuarded([&] {
    Reset();
    object_ = OvalShape::Circle(center_x, center_y, radius);
    type_code_ = kTypeCircle;
    return S_OK;
  });
}

HRESULT SwfObject::MakePolygon(std::int32_t originX, std::int32_t originY) {
  return CallGuarded([&] {
    Reset();
    object_ = std::make_shared<PolygonShape>(originX, originY);
    type_code_ = kTypePolygon;
    return S_OK;
  });
}

HRESULT SwfObject::MakeOval(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax) {
  return CallGuarded([&] {
    Reset();
    object_ = std::make_shared<OvalShape>(xmin, ymin, xmax, ymax);
    type_code_ = kTypeOval;
    return S_OK;
  });
}

HRESULT SwfObject::SetLineWidth(std::int32_t lineWidth) {
  if (auto* shape = Drawable()) shape->SetLineWidth(lineWidth);
  return S_OK;
}

HRESULT SwfObject::SetLineColorA(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) {
  return SetLineColor(red, green, blue, alpha);
}

HRESULT SwfObject::SetLineColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) {
  if (auto* shape = Drawable()) shape->SetLineColor(red, green, blue, alpha);
  return S_OK;
}

HRESULT SwfObject::SetSolidFill(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) {
  if (auto* shape = Drawable()) shape->SetSolidFill(red, green, blue, alpha);
  return S_OK;
}

HRESULT SwfObject::SetLinearFill(std::uint8_t red1, std::uint8_t green1, std::uint8_t blue1, std::uint8_t alpha1,
                                 std::uint8_t red2, std::uint8_t green2, std::uint8_t blue2, std::uint8_t alpha2) {
  return CallGuarded([&] {
    if (auto* shape = Drawable()) shape->SetLinearFill(Color(red1, green1, blue1, alpha1), Color(red2, green2, blue2, alpha2));
    return S_OK;
  });
}

HRESULT SwfObject::SetLinearFillCenter(std::int32_t centerX, std::int32_t centerY) {
  if (auto* shape = Drawable()) shape->SetLinearFillCenter(centerX, centerY);
  return S_OK;
}

HRESULT SwfObject::SetRadialFill(std::uint8_t red1, std::uint8_t green1, std::uint8_t blue1, std::uint8_t alpha1,
                                 std::uint8_t red2, std::uint8_t green2, std::uint8_t blue2, std::uint8_t alpha2) {
  return CallGuarded([&] {
    if (auto* shape = Drawable()) shape->SetRadialFill(Color(red1, green1, blue1, alpha1), Color(red2, green2, blue2, alpha2));
    return S_OK;
  });
}

HRESULT SwfObject::SetRadialFillCenter(std::int32_t centerX, std::int32_t centerY) {
  if (auto* shape = Drawable()) shape->SetRadialFillCenter(centerX, centerY);
  return S_OK;
}

HRESULT SwfObject::Translate(std::int32_t x, std::int32_t y) {
  if (auto* shape = Drawable()) shape->Translate(x, y);
  return S_OK;
}

HRESULT SwfObject::Rotate(std::int32_t degree) {
  if (auto* shape = Drawable()) shape->Rotate(degree);
  return S_OK;
}

HRESULT SwfObject::Scale(std::int32_t scaleX, std::int32_t scaleY) {
  if (auto* shape = Drawable()) shape->Scale(scaleX, scaleY);
  return S_OK;
}

HRESULT SwfObject::ScaleEx(std::int32_t scaleX, std::int32_t scaleY) { return Scale(scaleX, scaleY); }

HRESULT SwfObject::SetNoFill() {
  if (auto* shape = Drawable()) shape->SetNoFill();
  return S_OK;
}

HRESULT SwfObject::AddCurvedLine(std::int32_t controlDX, std::int32_t controlDY, std::int32_t anchorDX,
                                 std::int32_t anchorDY) {
  return CallGuarded([&] {
    if (auto* polygon = As<PolygonShape>(kTypePolygon)) polygon->AddCurvedLine(controlDX, controlDY, anchorDX, anchorDY);
    return S_OK;
  });
}

HRESULT SwfObject::AddStraightLine(std::int32_t dx, std::int32_t dy) {
  return CallGuarded([&] {
    if (auto* polygon = As<PolygonShape>(kTypePolygon)) polygon->AddStraightLine(dx, dy);
    return S_OK;
  });
}

HRESULT SwfObject::AddNewPath(std::int32_t dx, std::int32_t dy) {
  return CallGuarded([&] {
    if (auto* polygon = As<PolygonShape>(kTypePolygon)) polygon->AddNewPath(dx, dy);
    return S_OK;
  });
}

HRESULT SwfObject::Delete() {
  Reset();
  return S_OK;
}

HRESULT SwfObject::MakeEditText(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax,
                                BSTR Text) {
  return CallGuarded([&] {
    Reset();
    object_ = std::make_shared<EditTextObject>(xmin, ymin, xmax, ymax, AnsiText(Text));
    type_code_ = kTypeEditText;
    return S_OK;
  });
}

HRESULT SwfObject::SetEditTextHeight(std::int32_t height) {
  if (auto* text = As<EditTextObject>(kTypeEditText)) text->SetEditTextHeight(height);
  return S_OK;
}

HRESULT SwfObject::SetEditTextEditable(std::int32_t editable) {
  if (auto* text = As<EditTextObject>(kTypeEditText)) text->SetEditTextEditable(editable != 0);
  return S_OK;
}

HRESULT SwfObject::SetEditTextColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  if (auto* text = As<EditTextObject>(kTypeEditText)) text->SetEditTextColor(red, green, blue);
  return S_OK;
}

HRESULT SwfObject::MakePicture(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax,
                               std::int32_t bitmap_x, std::int32_t bitmap_y, BSTR filename) {
  return CallGuarded([&] {
    Reset();
    auto picture = PictureObject::Make(xmin, ymin, xmax, ymax, bitmap_x, bitmap_y, AnsiPath(filename));
    if (picture) {
      object_ = std::move(picture);
      type_code_ = kTypePicture;
    }
    return S_OK;
  });
}

HRESULT SwfObject::SetDepth(std::int32_t depth) {
  // Nothing made yet: nothing to set.
  if (object_) object_->set_depth(static_cast<std::int16_t>(depth));
  return S_OK;
}

HRESULT SwfObject::MakeSound(BSTR filename) {
  return CallGuarded([&] {
    Reset();
    if (auto sound = SoundObject::Make(AnsiPath(filename))) {
      object_ = std::move(sound);
      type_code_ = kTypeSound;
    }
    return S_OK;
  });
}

HRESULT SwfObject::MakeButton(IUnknown* p1, IUnknown* p2, IUnknown* p3, IUnknown* p4) {
  return CallGuarded([&]() -> HRESULT {
    SwfObject* states[4];
    IUnknown* args[4] = {p1, p2, p3, p4};
    for (int i = 0; i < 4; ++i) {
      states[i] = From(args[i]);
      if (states[i] == nullptr) return E_POINTER;
    }
    std::shared_ptr<ShapeObject> shapes[4];
    for (int i = 0; i < 4; ++i) {
      if (states[i]->Drawable() == nullptr) return S_OK;  // no button; the old object stays
      shapes[i] = std::dynamic_pointer_cast<ShapeObject>(states[i]->object_);
    }
    object_ = ButtonObject::FourState(shapes[0], shapes[1], shapes[2], shapes[3]);
    type_code_ = kTypeButton;
    return S_OK;
  });
}

HRESULT SwfObject::MakeButtonSimple(IUnknown* p1, std::int16_t r1, std::int16_t g1, std::int16_t b1, std::int16_t a1,
                                    std::int16_t r2, std::int16_t g2, std::int16_t b2, std::int16_t a2) {
  return CallGuarded([&]() -> HRESULT {
    SwfObject* state = From(p1);
    if (state == nullptr) return E_POINTER;
    if (state->Drawable() == nullptr) return S_OK;
    object_ = ButtonObject::Tinted(std::dynamic_pointer_cast<ShapeObject>(state->object_),
                                   ButtonObject::Tint{r1, g1, b1, a1}, ButtonObject::Tint{r2, g2, b2, a2});
    type_code_ = kTypeButtonSimple;
    return S_OK;
  });
}

HRESULT SwfObject::QueueEvent(IUnknown* Action, std::int32_t iEvent) {
  return CallGuarded([&]() -> HRESULT {
    auto* button = dynamic_cast<ButtonObject*>(object_.get());
    if (button == nullptr) return E_INVALIDARG;
    type_code_ = kTypeButton;
    const SwfAction* action = SwfAction::From(Action);
    if (action == nullptr) return S_OK;
    if (action->action())
      button->QueueEvent(*action->action(), iEvent);
    else
      button->QueueCondition(iEvent);
    return S_OK;
  });
}

HRESULT SwfObject::SetBitmapFillJpeg(std::int32_t bitmap_x, std::int32_t bitmap_y, BSTR filename) {
  return CallGuarded([&]() -> HRESULT {
    auto* shape = Drawable();
    if (shape == nullptr) return S_OK;
    const auto result = shape->SetBitmapFillJpeg(bitmap_x, bitmap_y, AnsiPath(filename));
    return result == BitmapFillResult::kReadFailed ? E_POINTER : S_OK;
  });
}

HRESULT SwfObject::MakeFont(BSTR name) {
  return CallGuarded([&] {
    Reset();
    object_ = std::make_shared<FontObject>(AnsiText(name));
    type_code_ = kTypeFont;
    return S_OK;
  });
}

HRESULT SwfObject::MakeTextFrom(BSTR text, IUnknown* font_unknown) {
  Reset();
  SwfObject* font_object = From(font_unknown);
  if (font_object == nullptr) return E_POINTER;
  auto font = std::dynamic_pointer_cast<FontObject>(font_object->object_);
  if (!font) return E_INVALIDARG;
  font_object->type_code_ = kTypeFont;
  object_ = std::make_shared<TextObject>(AnsiText(text), std::move(font));
  type_code_ = kTypeText;
  return S_OK;
}

HRESULT SwfObject::MakeText(BSTR Text, IUnknown* pUnk) {
  return CallGuarded([&] { return MakeTextFrom(Text, pUnk); });
}

HRESULT SwfObject::MakeTextEx(BSTR Text, IUnknown* pUnk, std::int32_t x, std::int32_t y, std::int32_t size) {
  return CallGuarded([&] {
    const HRESULT hr = MakeTextFrom(Text, pUnk);
    if (auto* text = As<TextObject>(kTypeText)) text->FitToBox(x, y, size);
    return hr;
  });
}

HRESULT SwfObject::MakeTextSimple(BSTR fontname, BSTR Text, std::int32_t x, std::int32_t y, std::int32_t size) {
  return CallGuarded([&] {
    Reset();
    object_ = TextObject::MakeSimple(AnsiText(fontname), AnsiText(Text), x, y, size);
    type_code_ = kTypeTextSimple;
    return S_OK;
  });
}

HRESULT SwfObject::AddGlyph(BSTR font, BSTR Text, std::int32_t unicode) {
  return CallGuarded([&]() -> HRESULT {
    auto* target = dynamic_cast<FontObject*>(object_.get());
    if (target == nullptr) return E_INVALIDARG;
    type_code_ = kTypeFont;
    target->AddGlyph(AnsiText(font), AnsiText(Text), unicode);
    return S_OK;
  });
}

HRESULT SwfObject::AddGlyphEx(BSTR font, BSTR Text, std::int32_t unicode, std::int32_t advance) {
  return CallGuarded([&]() -> HRESULT {
    auto* target = dynamic_cast<FontObject*>(object_.get());
    if (target == nullptr) return E_INVALIDARG;
    type_code_ = kTypeFont;
    target->AddGlyphEx(AnsiText(font), AnsiText(Text), unicode, advance);
    return S_OK;
  });
}

const platform::DispatchTable<IswfObject>& SwfObject::DispatchDescription() const {
  using I = IswfObject;
  static const auto table =
      platform::DispatchTable<I>("IswfObject")
          .PropGet(1, "ObjectType", &I::get_ObjectType)
          .PropPut(1, "ObjectType", &I::put_ObjectType)
          .Method(2, "MakeRectangle", &I::MakeRectangle, {"xmin", "ymin", "xmax", "ymax"})
          .Method(3, "MakeCircle", &I::MakeCircle, {"center_x", "center_y", "radius"})
          .Method(4, "MakePolygon", &I::MakePolygon, {"originX", "originY"})
          .Method(5, "MakeOval", &I::MakeOval, {"xmin", "ymin", "xmax", "ymax"})
          .Method(6, "SetLineWidth", &I::SetLineWidth, {"lineWidth"})
          .Method(7, "SetLineColorA", &I::SetLineColorA, {"red", "green", "blue", "alpha"})
          .Method(8, "SetSolidFill", &I::SetSolidFill, {"red", "green", "blue", "alpha"})
          .Method(9, "SetLinearFill", &I::SetLinearFill,
                  {"red1", "green1", "blue1", "alpha1", "red2", "green2", "blue2", "alpha2"})
          .Method(10, "SetLinearFillCenter", &I::SetLinearFillCenter, {"centerX", "centerY"})
          .Method(11, "SetRadialFill", &I::SetRadialFill,
                  {"red1", "green1", "blue1", "alpha1", "red2", "green2", "blue2", "alpha2"})
          .Method(12, "SetRadialFillCenter", &I::SetRadialFillCenter, {"centerX", "centerY"})
          .Method(13, "Translate", &I::Translate, {"x", "y"})
          .Method(14, "Rotate", &I::Rotate, {"degree"})
          .Method(15, "Scale", &I::Scale, {"scaleX", "scaleY"})
          .Method(16, "SetNoFill", &I::SetNoFill)
          .Method(17, "AddCurvedLine", &I::AddCurvedLine, {"controlDX", "controlDY", "anchorDX", "anchorDY"})
          .Method(18, "AddStraightLine", &I::AddStraightLine, {"dx", "dy"})
          .Method(20, "Delete", &I::Delete)
          .Method(21, "MakeEditText", &I::MakeEditText, {"xmin", "ymin", "xmax", "ymax", "Text"})
          .Method(22, "SetEditTextHeight", &I::SetEditTextHeight, {"height"})
          .Method(23, "SetEditTextEditable", &I::SetEditTextEditable, {"editable"})
          .Method(24, "SetEditTextColor", &I::SetEditTextColor, {"red", "green", "blue"})
          .Method(25, "MakePicture", &I::MakePicture,
                  {"xmin", "ymin", "xmax", "ymax", "bitmap_x", "bitmap_y", "filename"})
          .Method(26, "SetDepth", &I::SetDepth, {"depth"})
          .Method(27, "MakeSound", &I::MakeSound, {"filename"})
          .Method(28, "MakeButton", &I::MakeButton, {"p1", "p2", "p3", "p4"})
          .Method(29, "QueueEvent", &I::QueueEvent, {"Action", "iEvent"})
          .Method(30, "SetBitmapFillJpeg", &I::SetBitmapFillJpeg, {"bitmap_x", "bitmap_y", "filename"})
          .Method(31, "MakeFont", &I::MakeFont, {"name"})
          .Method(32, "MakeText", &I::MakeText, {"Text", "pUnk"})
          .Method(33, "AddGlyph", &I::AddGlyph, {"font", "Text", "unicode"})
          .Method(34, "MakeButtonSimple", &I::MakeButtonSimple, {"p1", "r1", "g1", "b1", "a1", "r2", "g2", "b2", "a2"})
          .Method(35, "SetLineColor", &I::SetLineColor, {"red", "green", "blue", "alpha"})
          .Method(36, "AddGlyphEx", &I::AddGlyphEx, {"font", "Text", "unicode", "advance"})
          .Method(37, "MakeTextEx", &I::MakeTextEx, {"Text", "pUnk", "x", "y", "size"})
          .Method(38, "ScaleEx", &I::ScaleEx, {"scaleX", "scaleY"})
          .Method(39, "MakeTextSimple", &I::MakeTextSimple, {"fontname", "Text", "x", "y", "size"})
          .Method(40, "AddNewPath", &I::AddNewPath, {"dx", "dy"});
  return table;
}

}  // namespace vectrel
