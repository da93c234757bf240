#pragma once

#include <string>

namespace cinelume {

// The movie library: one node per object, by name.
class ILibraryTree {
 public:
  virtual ~ILibraryTree() = default;

  // Text of the selected node; empty when none is selected.
  virtual std::string SelectedName() const = 0;
  virtual void AddNode(const std::string& name) = 0;
  // Focuses the tree and selects its last node.
  virtual void SelectLast() = 0;
};

}  // namespace cinelume
