#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace cinelume {

// Common ground of the element bindings: a handle on one element of the
// project's DOM (the DOM belongs to its TXMLDocument). Bindings are cheap
// values; copies refer to the same element. A binding stays valid until its
// document is loaded again or destroyed.
//
// Every child is looked up by name and created, empty, at the end of the
// element when absent -- also by a read -- so a read can change the DOM and
// what the next save writes. That is why the accessors are not const.
class TXMLNode {
 public:
  explicit TXMLNode(pugi::xml_node node) : node_(node) {}

  pugi::xml_node Node() const { return node_; }

  // "Movie/Obj[2]/EndTime" for child `name` of this element (1-based
  // positions among same-named siblings); for messages.
  std::string PathOf(const char* name) const;

 protected:
  // The first child element named `name`, appended empty when there is none.
  pugi::xml_node ChildNode(const char* name);

  // The element text of child `name`: its text and CDATA children joined, line
  // ends given as "\n" however the file wrote them.
  std::string GetText(const char* name);
  // Replaces the content of child `name` by `value` (nothing for an empty value).
  void SetText(const char* name, std::string_view value);

  // Throws EConvertError when the text is empty or not a number.
  std::int32_t GetInteger(const char* name);
  void SetInteger(const char* name, std::int32_t value);

 private:
  pugi::xml_node node_;
};

}  // namespace cinelume
