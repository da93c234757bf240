#pragma once

#include "movie_builder.h"

namespace playertest {

// A small movie with a tag of every kind the player reads: the seed of the
// mutation tests and of the screenshot.
Bytes RichMovie();

}  // namespace playertest
