#pragma once

#include <string>
#include <string_view>

#include "cinelume/document/xml_obj_list.h"

namespace cinelume {

// The name of a new object of kind `prefix` ("Text", "Pic", "Sound"):
// prefix + "1", and while the walk over `objects` meets that name, prefix +
// (number of objects of the kind up to and including the one met, plus 1).
// With Text1 and Text2 present it gives Text3; with Text1 and Text3, Text2.
// Reads (and so may create) `ObjName` and `ObjTypeName` of the objects.
std::string MakeUniqueName(TXMLObjList objects, std::string_view prefix);

}  // namespace cinelume
