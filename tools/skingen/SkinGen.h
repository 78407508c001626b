// Writes the shipped skins: the panel INI and one bitmap directory per skin.
#pragma once

#include <string>

namespace skingen {

// Writes <dir>/QorPFile.ini and <dir>/panelbmp1 .. panelbmp3 with their 13
// bitmaps each (directories are created). The output depends on nothing but
// this program, so running it twice gives identical bytes. False with a
// message in *error when a file cannot be written.
bool GenerateSkins(const std::string& dir, std::string* error);

// The panel INI text alone (CRLF line ends).
std::string PanelIniText();

}  // namespace skingen
