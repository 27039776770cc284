#include "engine/output/ListingSink.h"

#include "OutputItem.h"

void ListingSink::BeginProcedure(const std::string& title) { out_ << "\n=== " << title << " ===\n"; }

void ListingSink::EndProcedure() { out_ << "=== end ===\n\n"; }

void ListingSink::Item(const OutputItem& item) { item.WriteListing(out_); }
