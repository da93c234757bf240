#include "cinelume/document/flash_obj.h"

#include "cinelume/document/flash_card.h"
#include "cinelume/document/make_unique_name.h"
#include "cinelume/document/xml_errors.h"
#include "cinelume/document/xml_movie.h"

namespace cinelume {

void TFlashObj::Insert(std::int32_t start_frame) {
  TXMLMovie movie = Card().XmlMovie();
  ObjName = MakeUniqueName(movie.Obj(), ObjTypeName);
  TXMLObj obj = movie.Obj().Add();
  FillNew(obj, start_frame);
  Card().SaveWorkingCopy();
  if (ILibraryTree* library = Card().Windows().Library) {
    library->AddNode(ObjName);
    library->SelectLast();
  }
}

void TFlashObj::SaveToXml() {
  TXMLMovie movie = Card().XmlMovie();
  const std::string selected = Card().Windows().Library != nullptr ? Card().Windows().Library->SelectedName() : ObjName;
  TXMLObjList list = movie.Obj();
  for (int i = 0; i < list.Count(); ++i) {
    try {
      TXMLObj obj = list.Item(i);
      if (obj.ObjName() != selected) continue;
      if (obj.ObjTypeName() == ObjTypeName) WriteTo(obj);
      break;
    } catch (const EConvertError&) {
      // A broken element is passed over; the walk goes on.
    }
  }
  Card().SaveWorkingCopy();
}

}  // namespace cinelume
