#pragma once

// Makes TFileSource known to window definitions.
void RegisterFileSource();
