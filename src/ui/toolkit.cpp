#include "ui/toolkit.h"

namespace koravel {

std::string FieldName(Field field) {
  return "Text" + std::to_string(static_cast<int>(field));
}

}  // namespace koravel
