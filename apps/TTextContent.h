// Requirements content from a file for `tt new`: RTF as it is, or plain-text lines made into
// one paragraph each. Lines before the first numbered item ("1. ...") are the text's header:
// they get the header mark, and the first item the mark that ends the header.
#pragma once

#include <string>

#include "platform/text/ZnsString.h"

// The file's bytes as requirements RTF.
ZnsStringW RequirementsContent(const std::string& bytes);
