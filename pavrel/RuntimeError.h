// The error a property assignment reports when a part refuses the value: a number hosts know
// (380 "Invalid property value", 6 "Overflow") and its text.
#pragma once

#include <QString>
#include <stdexcept>

#include "pavrel_export.h"

namespace pavrel {

class PAVREL_EXPORT RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, const QString& text)
        : std::runtime_error(text.toStdString()), number_(number) {}
    int number() const { return number_; }

  private:
    int number_;
};

}  // namespace pavrel
