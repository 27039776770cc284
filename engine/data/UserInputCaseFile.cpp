#include "UserInputCaseFile.h"

#include "UserCaseFileSpec.h"

struct UserInputCaseFile::Rep {};

UserInputCaseFile::UserInputCaseFile(const UserCaseFileSpec&, ProcedureDataSource*) : rep_(std::make_unique<Rep>()) {}
UserInputCaseFile::~UserInputCaseFile() = default;
VEXA_DataSource* UserInputCaseFile::DataSource() { return nullptr; }
