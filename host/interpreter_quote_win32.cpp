#include "host/interpreter_quote.h"

std::string quoteForInterpreter(std::string_view word) { return quoteForCmd(word); }

bool quotableForInterpreter(std::string_view word) { return word.find_first_of("\"%") == std::string_view::npos; }
