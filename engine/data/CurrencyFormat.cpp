#include "currencyFormat.h"

CurrencyAffixes currencyFormat::GetCCX(int /*index*/) { return {}; }
