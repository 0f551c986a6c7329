// cTokenizer: splits script text into tokens at blanks, commas and TABs, with either quote grouping.
#pragma once

#include "base/cArray.h"

class cTokenizer
{
public:
    cTokenizer(const char* text, int length) : cursor(text), end(text + (length > 0 ? length : 0)) {}

    // The next token; false at the end. The token stays valid until the next call on this
    // thread (a token without quotes points into the text itself).
    // Quotes never become part of a token: an opening quote continues the current token,
    // the closing one (either kind) ends the token; empty tokens are dropped.
    bool Next(const char*& token, int& length);

private:
    const char* cursor;
    const char* end;
};
