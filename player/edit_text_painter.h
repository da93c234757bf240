#pragma once

#include <QPainter>

#include "player/edit_text.h"
#include "player/movie.h"

namespace swfplayer {

// Draws a text field with a device font, in twips (the painter's transform
// maps the field's coordinates to the device).
void DrawEditText(QPainter& painter, const EditTextCharacter& field, const Movie& movie, const ColorTransform& color);

// The font family for an SWF device font name (_sans, _serif, _typewriter)
// or a face name.
QString DeviceFontFamily(const std::string& name);

}  // namespace swfplayer
