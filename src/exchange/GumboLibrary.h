#pragma once

#include <gumbo.h>

// The HTML parser's library, reached at run time rather than linked: only an
// import of a question file with HTML in it needs it, so the program starts
// without loading it. Loaded once, on first use; a library that cannot be
// loaded, or lacks what is called, throws std::runtime_error naming it (and
// the next use tries again).
namespace GumboLibrary {

struct Functions {
    decltype(&::gumbo_parse_with_options) parse = nullptr;
    decltype(&::gumbo_destroy_output) destroy = nullptr;
    decltype(&::gumbo_get_attribute) attribute = nullptr;
    const GumboOptions* defaultOptions = nullptr;
};

const Functions& Get();

}
