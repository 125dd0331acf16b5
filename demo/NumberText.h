// Whether an attribute value reads as the number it seems to be. The player reads numbers
// leniently (atoi, atof, "%f,%f,%f": whatever follows the digits is dropped), so "0,5"
// plays as 0; check mode uses these to say so. Blanks around the number are allowed.
#pragma once

bool isIntegerText(const char* text);
bool isNumberText(const char* text);
// `count` numbers separated by commas, as the vector formats read them.
bool isNumberListText(const char* text, int count);
