#include "host/interpreter_quote.h"

std::string quoteForInterpreter(std::string_view word) { return quoteForSh(word); }

bool quotableForInterpreter(std::string_view) { return true; }
