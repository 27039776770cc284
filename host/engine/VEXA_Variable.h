#pragma once
#include "OBS.h"
#include "VEXA_Format.h"

class VEXA_ValueLabelMap;

// Measurement levels as the dictionary reports them.
inline constexpr int kLevelNominal = 1;
inline constexpr int kLevelOrdinal = 2;
inline constexpr int kLevelScale = 3;

// One variable of a data dictionary.
class VEXA_Variable {
 public:
  virtual ~VEXA_Variable() = default;
  virtual const char* GetName() const = 0;
  // Null when the variable has no label.
  virtual const char* GetLabel() const = 0;
  // 0 for a numeric variable, else the string width.
  virtual int GetType() const = 0;
  virtual VEXA_Format GetFormat() const = 0;
  virtual VEXA_Format GetFormatEx() const = 0;
  virtual int GetMeasurementLevel() const = 0;
  virtual VEXA_ValueLabelMap* GetValueLabels() const = 0;
  virtual int GetDisplayWidth() const = 0;
  // 1 when the cell is system-missing or user-missing, else 0.
  virtual int IsMissing(const OBS* cell) const = 0;
};
