#include "chartlib/gpl/GplError.h"

std::string GplError::Text() const {
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": expected " + expected +
         " but found " + found;
}
