#pragma once

namespace vectrel {

// What `ObjectType` reports for the object a swfObject holds.
enum ObjectTypeCode : int {
  kTypeNone = 0,
  kTypeButton = 1100,
  kTypeButtonSimple = 1101,
  kTypeFont = 1200,
  kTypeSound = 2100,
  kTypeRectangle = 3310,
  kTypeCircle = 3320,
  kTypePolygon = 3330,
  kTypeOval = 3340,
  kTypeText = 3350,
  kTypeTextSimple = 3351,
  kTypeEditText = 3380,
  kTypePicture = 3390,
};

// Codes from here on are drawable: styles and transforms apply to them.
constexpr int kFirstDrawableType = 3300;

inline bool IsDrawableType(int code) { return code >= kFirstDrawableType; }

}  // namespace vectrel
