#pragma once

class BpProcedure;
class FacSTDictionary;
class GGraphSettings;
class ProcedureDataSource;

// The objects of one procedure run that its steps share.
struct ProcedureRun {
  BpProcedure& procedure;
  FacSTDictionary& dictionary;
  ProcedureDataSource& dataSource;
  GGraphSettings& settings;
};
