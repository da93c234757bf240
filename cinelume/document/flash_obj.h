#pragma once

#include <cstdint>
#include <string>

namespace cinelume {

class TFlashCard;
class TXMLObj;

// A view of one `Obj` element: filled from the element at an index, used,
// and written back to the element named like the library's selection. The
// objects themselves live only in the project's DOM.
class TFlashObj {
 public:
  explicit TFlashObj(TFlashCard& card) : card_(card) {}
  virtual ~TFlashObj() = default;
  TFlashObj(const TFlashObj&) = delete;
  TFlashObj& operator=(const TFlashObj&) = delete;

  std::string ObjName;
  std::int32_t StartTime = 0;
  std::int32_t EndTime = 0;
  std::int32_t Layer = 0;
  std::string ObjTypeName;
  std::int32_t PositionX = 0;
  std::int32_t PositionY = 0;
  std::string EffectName;
  std::string EffectValue;

  // Names the object, appends its `Obj` with the defaults of its kind,
  // saves, and adds and selects its library node.
  virtual void Insert(std::int32_t start_frame);
  // Emits object `index` into the movie being generated.
  virtual void Generate(int index) = 0;
  virtual void LoadFromXml(int index) = 0;
  virtual void ShowInPanel() = 0;
  void LoadAndShow(int index) {
    LoadFromXml(index);
    ShowInPanel();
  }
  virtual void ReadFromPanel() = 0;
  // Writes back to the first `Obj` named like the library's selected node
  // when that object is of this kind; saves the working copy in any case.
  virtual void SaveToXml();
  void ReadAndSave() {
    ReadFromPanel();
    SaveToXml();
  }

 protected:
  // Fills the new element of Insert.
  virtual void FillNew(TXMLObj obj, std::int32_t start_frame) = 0;
  // Writes this view's values into `obj`, which is of this kind.
  virtual void WriteTo(TXMLObj obj) = 0;

  TFlashCard& Card() const { return card_; }

 private:
  TFlashCard& card_;
};

}  // namespace cinelume
