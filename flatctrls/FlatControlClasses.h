#pragma once

// Makes the flat controls known to window definitions under their class names.
void RegisterFlatControls();
