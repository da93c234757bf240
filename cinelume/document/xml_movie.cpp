#include "cinelume/document/xml_movie.h"

#include <cstring>

#include "cinelume/document/xml_document.h"
#include "cinelume/document/xml_errors.h"

namespace cinelume {

TXMLMovie GetMovie(TXMLDocument& document) {
  pugi::xml_node root = document.DOM().document_element();
  const std::filesystem::path name = document.FileName().empty() ? "(document)" : document.FileName();
  if (!root) throw EProjectFileError(name, "has no root element, expected Movie");
  if (std::strcmp(root.name(), "Movie") != 0)
    throw EProjectFileError(name, std::string("has root element '") + root.name() + "', expected Movie");
  return TXMLMovie(root);
}

}  // namespace cinelume
