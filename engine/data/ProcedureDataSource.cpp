#include "ProcedureDataSource.h"

#include "WorkAreas.h"

// The working data arrive with the data dictionary; until then the procedure
// sees a data source without variables or cases.
struct ProcedureDataSource::Rep {};

ProcedureDataSource::ProcedureDataSource() : rep_(std::make_unique<Rep>()) {}
ProcedureDataSource::~ProcedureDataSource() = default;

bool ProcedureDataSource::FatalError() const { return false; }
void* ProcedureDataSource::Workspace() const { return pvGetCmnWrk(); }
int ProcedureDataSource::ColumnCount() const { return 0; }
VEXA_Variable* ProcedureDataSource::GetVariable(int) const { return nullptr; }
int ProcedureDataSource::FindVarIndex(const char*, int) const { return -1; }
int ProcedureDataSource::GetWeightVarIndex() const { return -1; }
VEXA_InputCaseIterator* ProcedureDataSource::CreateCaseIterator(int) { return nullptr; }
int ProcedureDataSource::GetSplitVarCount() const { return 0; }
int ProcedureDataSource::GetSplitVarIndex(int) const { return -1; }
