#pragma once

// What the command-parser library may accept for a command.
class CommandDescriptor {
 public:
  // Accept any subcommand name; the caller recognises them.
  void setSubComArbitrary(bool arbitrary) { arbitrary_ = arbitrary; }
  bool isSubComArbitrary() const { return arbitrary_; }

 private:
  bool arbitrary_ = false;
};
