#include "ProcedureDataSource.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

#include "WorkAreas.h"
#include "engine/data/DataCatalog.h"
#include "engine/data/DataSourceView.h"
#include "engine/data/VariableNames.h"
#include "engine/input/CommandInput.h"
#include "engine/session/EngineSession.h"

// The working data seen by one procedure. Without working data the procedure
// sees a data source without variables or cases.
struct ProcedureDataSource::Rep {
  std::unique_ptr<DataSourceView> view;
  bool fatalError = false;
};

namespace {

bool IsNameCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || (c & 0x80) || std::strchr("_.@#$", c);
}

// The words of the command that is running: the variables it names are
// the columns it will read, so they are parsed together when the data are
// opened. Any other column is read when it is first used. Without a
// command (a tool driving the engine), or when the command names variables
// by ranges or ALL, there are no words: every column is read, in one pass.
std::optional<std::vector<std::string>> WordsOfTheCommand() {
  const CommandInput* input = CurrentCommandInput();
  if (!input) return std::nullopt;
  std::vector<std::string> words;
  const std::string& text = input->CommandText();
  for (std::size_t i = 0; i < text.size();) {
    std::size_t end = i;
    while (end < text.size() && IsNameCharacter(text[end])) ++end;
    if (end > i) words.push_back(text.substr(i, end - i));
    if (end > i && (SameName(words.back(), "ALL") || SameName(words.back(), "TO"))) return std::nullopt;
    i = std::max(end, i + 1);
  }
  return words;
}

}  // namespace

ProcedureDataSource::ProcedureDataSource() : rep_(std::make_unique<Rep>()) {
  EngineSession* session = EngineSession::Current();
  DataCatalog::Opened opened =
      session ? session->Data().OpenWorkingData(WordsOfTheCommand()) : DataCatalog::Opened{};
  rep_->fatalError = opened.failed;
  auto data = opened.data ? opened.data : std::make_shared<const CaseData>();
  rep_->view = std::make_unique<DataSourceView>(std::move(data), true);
}

ProcedureDataSource::~ProcedureDataSource() = default;

bool ProcedureDataSource::FatalError() const { return rep_->fatalError; }
void* ProcedureDataSource::Workspace() const { return pvGetCmnWrk(); }
int ProcedureDataSource::ColumnCount() const { return rep_->view->ColumnCount(); }
VEXA_Variable* ProcedureDataSource::GetVariable(int column) const { return rep_->view->GetVariable(column); }
int ProcedureDataSource::FindVarIndex(const char* name, int start) const {
  int index = rep_->view->FindVarIndex(name, start);
  EngineSession* session = EngineSession::Current();
  if (index < 0 && session && session->Options().dataPath.empty()) session->NoteNameWithoutWorkingData();
  return index;
}
int ProcedureDataSource::GetWeightVarIndex() const { return rep_->view->GetWeightVarIndex(); }
VEXA_InputCaseIterator* ProcedureDataSource::CreateCaseIterator(int flags) {
  return rep_->view->CreateCaseIterator(flags);
}
int ProcedureDataSource::GetSplitVarCount() const { return rep_->view->GetSplitVarCount(); }
int ProcedureDataSource::GetSplitVarIndex(int i) const { return rep_->view->GetSplitVarIndex(i); }
int ProcedureDataSource::GetVariableSetCount() const { return rep_->view->GetVariableSetCount(); }
const VariableSet* ProcedureDataSource::GetVariableSet(int i) const { return rep_->view->GetVariableSet(i); }
long ProcedureDataSource::GetCaseCount() const { return rep_->view->GetCaseCount(); }
const OBS* ProcedureDataSource::GetColumnCells(int column) const { return rep_->view->GetColumnCells(column); }
