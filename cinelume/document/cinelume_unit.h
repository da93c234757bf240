#pragma once

// The movie document: the document, its object views with their generation
// recipes, the picture converter, and the interfaces of the windows it
// talks to.
#include "cinelume/document/document_windows.h"
#include "cinelume/document/flash_card.h"
#include "cinelume/document/flash_obj.h"
#include "cinelume/document/flash_pic.h"
#include "cinelume/document/flash_sound.h"
#include "cinelume/document/flash_text.h"
#include "cinelume/document/movie_size.h"
#include "cinelume/document/pic_converter.h"
#include "cinelume/document/text_effects.h"
