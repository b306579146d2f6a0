#pragma once
#include "core/ClassSchema.h"

// The classes a window definition may name, read from the property lists beside each class (the
// same lists the program publishes its properties from), without their getters and setters.
const core::ClassList& PublishedClasses();
