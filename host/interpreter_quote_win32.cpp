#include "host/interpreter_quote.h"

std::string quoteForInterpreter(std::string_view word) { return quoteForCmd(word); }
