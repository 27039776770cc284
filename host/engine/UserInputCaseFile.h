#pragma once
#include <memory>

class ProcedureDataSource;
class UserCaseFileSpec;
class VEXA_DataSource;

// Opens a named data set for reading. Its cases come through a plain
// iterator: split groups belong to the procedure's data only.
class UserInputCaseFile {
 public:
  // The procedure's data source may be null.
  UserInputCaseFile(const UserCaseFileSpec& spec, ProcedureDataSource* procedureData);
  ~UserInputCaseFile();
  UserInputCaseFile(const UserInputCaseFile&) = delete;
  UserInputCaseFile& operator=(const UserInputCaseFile&) = delete;

  // Null when the data set cannot be used; the reason has been reported.
  VEXA_DataSource* DataSource();

 private:
  struct Rep;
  std::unique_ptr<Rep> rep_;
};
