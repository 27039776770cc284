#pragma once
#include <ostream>

#include <rapidjson/ostreamwrapper.h>
#include <rapidjson/writer.h>

// The streaming writer of the output document.
using JsonWriter = rapidjson::Writer<rapidjson::OStreamWrapper>;
