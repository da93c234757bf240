#pragma once

// The project file binding: the DOM, the element bindings from `Movie` down
// to the kinds of object, the value forms and the naming of new objects.
#include "cinelume/document/make_unique_name.h"
#include "cinelume/document/value_forms.h"
#include "cinelume/document/xml_document.h"
#include "cinelume/document/xml_errors.h"
#include "cinelume/document/xml_movie.h"
#include "cinelume/document/xml_obj.h"
#include "cinelume/document/xml_obj_list.h"
#include "cinelume/document/xml_obj_pic.h"
#include "cinelume/document/xml_obj_sound.h"
#include "cinelume/document/xml_obj_text.h"
#include "cinelume/document/xml_obj_type.h"
