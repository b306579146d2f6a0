#pragma once

// Makes the effect label and the link controls known to window definitions, and enters the hand
// cursors into the screen's cursor table.
void RegisterLinkControls();
