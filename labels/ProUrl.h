#pragma once
#include <string>

// Hands an address to the shell's open operation, with the application's window as parent and
// SW_SHOW; an empty address opens nothing.
void OpenLink(const std::string& address);

// Cursor ids of the hand cursors; crHandPoint is the link controls' cursor.
constexpr int crHandPoint = 15000;
constexpr int crSmallHandPoint = 15001;
constexpr int crGrabHand = 15002;
constexpr int crGrabHandArrow = 15003;
constexpr int crDragHand = 15004;

// Enters the program's hand cursors into the screen's cursor table; a cursor missing from the
// program's resources is left out.
void RegisterHandCursors();
