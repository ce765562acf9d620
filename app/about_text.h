// The description shown by the info box.
#pragma once

#include <string>

// The embedded about text once SetAboutText has run; lines end in CR LF.
extern std::string AboutText;

// Sets AboutText to the whole embedded about text.
void SetAboutText();
