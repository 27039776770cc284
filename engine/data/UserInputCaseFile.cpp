#include "UserInputCaseFile.h"

#include "UserCaseFileSpec.h"
#include "engine/data/DataCatalog.h"
#include "engine/data/DataSourceView.h"
#include "engine/session/EngineSession.h"

struct UserInputCaseFile::Rep {
  std::string handle;
  bool opened = false;
  std::unique_ptr<DataSourceView> view;
};

UserInputCaseFile::UserInputCaseFile(const UserCaseFileSpec& spec, ProcedureDataSource* /*procedureData*/)
    : rep_(std::make_unique<Rep>()) {
  rep_->handle = spec.Handle();
}

UserInputCaseFile::~UserInputCaseFile() = default;

VEXA_DataSource* UserInputCaseFile::DataSource() {
  if (!rep_->opened) {
    rep_->opened = true;
    EngineSession* session = EngineSession::Current();
    DataCatalog::Opened opened = session ? session->Data().OpenDataSet(rep_->handle) : DataCatalog::Opened{};
    if (opened.data) rep_->view = std::make_unique<DataSourceView>(opened.data, false);
  }
  return rep_->view.get();
}
