// A limit or consistency error that ends the run at once.  The message is the engine's console line;
// whoever catches it prints it and ends the program with a non-zero status.
#pragma once

#include <stdexcept>
#include <string>

namespace engine {

class RunStop : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace engine
