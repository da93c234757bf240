#pragma once

#include <cstdint>

#include "platform/bstr.h"
#include "platform/dispatch.h"

namespace vectrel {

using platform::BSTR;
using platform::HRESULT;
using platform::IUnknown;

// One drawable, text, font, sound or button. Dual interface: the methods
// follow IDispatch in this order.
class IswfObject : public platform::IDispatch {
 public:
  virtual HRESULT get_ObjectType(std::int16_t* pVal) = 0;
  virtual HRESULT put_ObjectType(std::int16_t newVal) = 0;
  virtual HRESULT MakeRectangle(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax) = 0;
  virtual HRESULT MakeCircle(std::int32_t center_x, std::int32_t center_y, std::int32_t radius) = 0;
  virtual HRESULT MakePolygon(std::int32_t originX, std::int32_t originY) = 0;
  virtual HRESULT MakeOval(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax) = 0;
  virtual HRESULT SetLineWidth(std::int32_t lineWidth) = 0;
  virtual HRESULT SetLineColorA(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) = 0;
  virtual HRESULT SetSolidFill(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) = 0;
  virtual HRESULT SetLinearFill(std::uint8_t red1, std::uint8_t green1, std::uint8_t blue1, std::uint8_t alpha1,
                                std::uint8_t red2, std::uint8_t green2, std::uint8_t blue2, std::uint8_t alpha2) = 0;
  virtual HRESULT SetLinearFillCenter(std::int32_t centerX, std::int32_t centerY) = 0;
  virtual HRESULT SetRadialFill(std::uint8_t red1, std::uint8_t green1, std::uint8_t blue1, std::uint8_t alpha1,
                                std::uint8_t red2, std::uint8_t green2, std::uint8_t blue2, std::uint8_t alpha2) = 0;
  virtual HRESULT SetRadialFillCenter(std::int32_t centerX, std::int32_t centerY) = 0;
  virtual HRESULT Translate(std::int32_t x, std::int32_t y) = 0;
  virtual HRESULT Rotate(std::int32_t degree) = 0;
  virtual HRESULT Scale(std::int32_t scaleX, std::int32_t scaleY) = 0;
  virtual HRESULT SetNoFill() = 0;
  virtual HRESULT AddCurvedLine(std::int32_t controlDX, std::int32_t controlDY, std::int32_t anchorDX,
                                std::int32_t anchorDY) = 0;
  virtual HRESULT AddStraightLine(std::int32_t dx, std::int32_t dy) = 0;
  virtual HRESULT Delete() = 0;
  virtual HRESULT MakeEditText(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax,
                               BSTR Text) = 0;
  virtual HRESULT SetEditTextHeight(std::int32_t height) = 0;
  virtual HRESULT SetEditTextEditable(std::int32_t editable) = 0;
  virtual HRESULT SetEditTextColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual HRESULT MakePicture(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax, std::int32_t ymax,
                              std::int32_t bitmap_x, std::int32_t bitmap_y, BSTR filename) = 0;
  virtual HRESULT SetDepth(std::int32_t depth) = 0;
  virtual HRESULT MakeSound(BSTR filename) = 0;
  virtual HRESULT MakeButton(IUnknown* p1, IUnknown* p2, IUnknown* p3, IUnknown* p4) = 0;
  virtual HRESULT QueueEvent(IUnknown* Action, std::int32_t iEvent) = 0;
  virtual HRESULT SetBitmapFillJpeg(std::int32_t bitmap_x, std::int32_t bitmap_y, BSTR filename) = 0;
  virtual HRESULT MakeFont(BSTR name) = 0;
  virtual HRESULT MakeText(BSTR Text, IUnknown* pUnk) = 0;
  virtual HRESULT AddGlyph(BSTR font, BSTR Text, std::int32_t unicode) = 0;
  virtual HRESULT MakeButtonSimple(IUnknown* p1, std::int16_t r1, std::int16_t g1, std::int16_t b1, std::int16_t a1,
                                   std::int16_t r2, std::int16_t g2, std::int16_t b2, std::int16_t a2) = 0;
  virtual HRESULT SetLineColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha) = 0;
  virtual HRESULT AddGlyphEx(BSTR font, BSTR Text, std::int32_t unicode, std::int32_t advance) = 0;
  virtual HRESULT MakeTextEx(BSTR Text, IUnknown* pUnk, std::int32_t x, std::int32_t y, std::int32_t size) = 0;
  virtual HRESULT ScaleEx(std::int32_t scaleX, std::int32_t scaleY) = 0;
  virtual HRESULT MakeTextSimple(BSTR fontname, BSTR Text, std::int32_t x, std::int32_t y, std::int32_t size) = 0;
  virtual HRESULT AddNewPath(std::int32_t dx, std::int32_t dy) = 0;

 protected:
  ~IswfObject() = default;
};

}  // namespace vectrel
