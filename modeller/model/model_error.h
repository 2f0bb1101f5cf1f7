// The error the model's readers and services raise: a file or table that cannot be read, a record
// that does not exist.  Its text names the file or table and, where it helps, the line; the
// application shows it in a message box and returns to what the user was doing.
#pragma once

#include <stdexcept>

namespace pelmora {

class ModelError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace pelmora
