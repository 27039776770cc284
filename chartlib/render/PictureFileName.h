#pragma once
#include <string>

// The file stem of a picture: its place in the output (two digits at least),
// a slug of its description, and for the second and further split groups of
// one chart their number: "03-mean-bilirubin-by-stage", "05-visits-2".
std::string PictureFileStem(int order, const std::string& description, int splitGroup);

// Lower-case ASCII letters and digits kept, every other run of ASCII turned
// into one "-", UTF-8 letters kept as they are; at most 60 bytes, never a
// broken UTF-8 sequence; "chart" when nothing is left.
std::string DescriptionSlug(const std::string& description);
