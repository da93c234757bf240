#include "cinelume/document/xml_node.h"

#include <vector>

#include "cinelume/document/value_forms.h"
#include "cinelume/document/xml_errors.h"

namespace cinelume {
namespace {

std::string NormaliseLineEnds(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string StepOf(pugi::xml_node node) {
  std::string step = node.name();
  pugi::xml_node parent = node.parent();
  if (!parent || parent.type() != pugi::node_element) return step;
  int position = 0;
  int same = 0;
  for (pugi::xml_node sibling = parent.child(node.name()); sibling; sibling = sibling.next_sibling(node.name())) {
    ++same;
    if (sibling == node) position = same;
  }
  if (same > 1) step += "[" + std::to_string(position) + "]";
  return step;
}

}  // namespace

std::string TXMLNode::PathOf(const char* name) const {
  std::vector<std::string> steps;
  for (pugi::xml_node n = node_; n && n.type() == pugi::node_element; n = n.parent()) steps.push_back(StepOf(n));
  std::string path;
  for (auto it = steps.rbegin(); it != steps.rend(); ++it) path += *it + "/";
  return path + name;
}

pugi::xml_node TXMLNode::ChildNode(const char* name) {
  pugi::xml_node child = node_.child(name);
  if (!child) child = node_.append_child(name);
  return child;
}

std::string TXMLNode::GetText(const char* name) {
  std::string text;
  for (pugi::xml_node part : ChildNode(name).children()) {
    if (part.type() == pugi::node_pcdata || part.type() == pugi::node_cdata) text += part.value();
  }
  return NormaliseLineEnds(std::move(text));
}

void TXMLNode::SetText(const char* name, std::string_view value) {
  pugi::xml_node child = ChildNode(name);
  child.remove_children();
  if (!value.empty()) child.append_child(pugi::node_pcdata).set_value(value.data(), value.size());
}

std::int32_t TXMLNode::GetInteger(const char* name) {
  const std::string text = GetText(name);
  std::int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError(text, "integer", PathOf(name));
  return value;
}

void TXMLNode::SetInteger(const char* name, std::int32_t value) { SetText(name, std::to_string(value)); }

}  // namespace cinelume
