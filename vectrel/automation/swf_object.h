#pragma once

#include <memory>

#include "platform/com_object.h"
#include "platform/dispatch_impl.h"
#include "vectrel/authoring/display_object.h"
#include "vectrel/automation/iswf_object.h"

namespace vectrel {

class ShapeObject;

// The swfObject class: owns one internal object of the authoring model and
// its object type code. Texts and buttons share their font and state
// objects, so those stay valid when the swfObject that made them changes.
class SwfObject final : public platform::ComObject<platform::DispatchImpl<IswfObject>> {
 public:
  explicit SwfObject(platform::IUnknown* outer);
  ~SwfObject() override;

  HRESULT get_ObjectType(std::int16_t* pVal) override;
  HRESULT put_ObjectType(std::int16_t newVal) override;
  HRESULT MakeRectangle(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax) override;
  HRESULT MakeCircle(std::int32_t center_x, std::int32_t center_y, std::int32_t radius) override;
  HRESULT MakePolygon(std::int32_t originX, std::int32_t originY) override;
  HRESULT MakeOval(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax) override;
  HRESULT SetLineWidth(std::int32_t lineWidth) override;
  HRESULT SetLineColorA(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) override;
  HRESULT SetSolidFill(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) override;
  HRESULT SetLinearFill(std::uint8_t red1, std::uint8_t green1, std::uint8_t blue1, std::uint8_t alpha1,
                        std::uint8_t red2, std::uint8_t green2, std::uint8_t blue2, std::uint8_t alpha2) override;
  HRESULT SetLinearFillCenter(std::int32_t centerX, std::int32_t centerY) override;
  HRESULT SetRadialFill(std::uint8_t red1, std::uint8_t green1, std::uint8_t blue1, std::uint8_t alpha1,
                        std::uint8_t red2, std::uint8_t green2, std::uint8_t blue2, std::uint8_t alpha2) override;
  HRESULT SetRadialFillCenter(std::int32_t centerX, std::int32_t centerY) override;
  HRESULT Translate(std::int32_t x, std::int32_t y) override;
  HRESULT Rotate(std::int32_t degree) override;
  HRESULT Scale(std::int32_t scaleX, std::int32_t scaleY) override;
  HRESULT SetNoFill() override;
  HRESULT AddCurvedLine(std::int32_t controlDX, std::int32_t controlDY, std::int32_t anchorDX,
                        std::int32_t anchorDY) override;
  HRESULT AddStraightLine(std::int32_t dx, std::int32_t dy) override;
  HRESULT Delete() override;
  HRESULT MakeEditText(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax, BSTR Text) override;
  HRESULT SetEditTextHeight(std::int32_t height) override;
  HRESULT SetEditTextEditable(std::int32_t editable) override;
  HRESULT SetEditTextColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
  HRESULT MakePicture(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax,
                      std::int32_t bitmap_x, std::int32_t bitmap_y, BSTR filename) override;
  HRESULT SetDepth(std::int32_t depth) override;
  HRESULT MakeSound(BSTR filename) override;
  HRESULT MakeButton(IUnknown* p1, IUnknown* p2, IUnknown* p3, IUnknown* p4) override;
  HRESULT QueueEvent(IUnknown* Action, std::int32_t iEvent) override;
  HRESULT SetBitmapFillJpeg(std::int32_t bitmap_x, std::int32_t bitmap_y, BSTR filename) override;
  HRESULT MakeFont(BSTR name) override;
  HRESULT MakeText(BSTR Text, IUnknown* pUnk) override;
  HRESULT AddGlyph(BSTR font, BSTR Text, std::int32_t unicode) override;
  HRESULT MakeButtonSimple(IUnknown* p1, std::int16_t r1, std::int16_t g1, std::int16_t b1, std::int16_t a1,
                           std::int16_t r2, std::int16_t g2, std::int16_t b2, std::int16_t a2) override;
  HRESULT SetLineColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) override;
  HRESULT AddGlyphEx(BSTR font, BSTR Text, std::int32_t unicode, std::int32_t advance) override;
  HRESULT MakeTextEx(BSTR Text, IUnknown* pUnk, std::int32_t x, std::int32_t y, std::int32_t size) override;
  HRESULT ScaleEx(std::int32_t scaleX, std::int32_t scaleY) override;
  HRESULT MakeTextSimple(BSTR fontname, BSTR Text, std::int32_t x, std::int32_t y, std::int32_t size) override;
  HRESULT AddNewPath(std::int32_t dx, std::int32_t dy) override;

  int type_code() const { return type_code_; }
  // The internal object; null when nothing is made.
  DisplayObject* internal() const { return object_.get(); }

  // The SwfObject behind an interface pointer, or null when it has no
  // IswfObject of ours.
  static SwfObject* From(platform::IUnknown* unknown);

 private:
  void* FindInterface(const platform::IID& iid) override;
  const platform::DispatchTable<IswfObject>& DispatchDescription() const override;

  void Reset();
  // The object as a drawable, when its type code says it is one.
  ShapeObject* Drawable() const;
  template <class T>
  T* As(int code) const {
    return type_code_ == code ? dynamic_cast<T*>(object_.get()) : nullptr;
  }
  HRESULT MakeTextFrom(BSTR text, IUnknown* font_unknown);

  std::shared_ptr<DisplayObject> object_;
  int type_code_ = 0;
};

}  // namespace vectrel
