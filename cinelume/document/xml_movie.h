#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cinelume/document/xml_node.h"
#include "cinelume/document/xml_obj_list.h"

namespace cinelume {

class TXMLDocument;

// The root element `Movie`: the background settings and the objects.
// Colours and the switch are texts here; value_forms.h converts them.
class TXMLMovie : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string BgColor() { return GetText("BgColor"); }
  void SetBgColor(std::string_view value) { SetText("BgColor", value); }
  std::string BgPic() { return GetText("BgPic"); }
  void SetBgPic(std::string_view value) { SetText("BgPic", value); }
  std::int32_t Width() { return GetInteger("Width"); }
  void SetWidth(std::int32_t value) { SetInteger("Width", value); }
  std::int32_t Height() { return GetInteger("Height"); }
  void SetHeight(std::int32_t value) { SetInteger("Height", value); }
  std::int32_t Rate() { return GetInteger("Rate"); }
  void SetRate(std::int32_t value) { SetInteger("Rate", value); }
  std::int32_t TotalFrames() { return GetInteger("TotalFrames"); }
  void SetTotalFrames(std::int32_t value) { SetInteger("TotalFrames", value); }
  std::string Loop() { return GetText("Loop"); }
  void SetLoop(std::string_view value) { SetText("Loop", value); }

  // Declared for the file format, unused by the editor.
  std::int32_t Times() { return GetInteger("Times"); }
  void SetTimes(std::int32_t value) { SetInteger("Times", value); }
  std::int32_t FileSize() { return GetInteger("FileSize"); }
  void SetFileSize(std::int32_t value) { SetInteger("FileSize", value); }
  std::string MovieName() { return GetText("MovieName"); }
  void SetMovieName(std::string_view value) { SetText("MovieName", value); }
  std::string Author() { return GetText("Author"); }
  void SetAuthor(std::string_view value) { SetText("Author", value); }

  // The repeated `Obj` children, in document order.
  TXMLObjList Obj() const { return TXMLObjList(Node()); }
};

// Opens the binding on a loaded document. Throws EProjectFileError, naming
// the document's file, when its root element is not `Movie`.
TXMLMovie GetMovie(TXMLDocument& document);

}  // namespace cinelume
