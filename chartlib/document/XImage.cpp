#include "XImage.h"

#include <string_view>

#include "chartlib/document/DocumentState.h"
#include "chartlib/document/SendOrWarn.h"

namespace {

struct ImageSignature {
  std::string_view start;
  const char* format;
};

constexpr ImageSignature kSignatures[] = {
    {std::string_view("\x89PNG\r\n\x1a\n", 8), "png"},
    {std::string_view("\xFF\xD8\xFF", 3), "jpeg"},
    {std::string_view("BM", 2), "bmp"},
};

// The smallest BMP holds its 14-byte file header and a 12-byte core header.
constexpr std::size_t kSmallestImage = 26;

const char* ImageFormat(const std::string& content) {
  if (content.size() < kSmallestImage) return nullptr;
  for (const ImageSignature& signature : kSignatures)
    if (std::string_view(content).substr(0, signature.start.size()) == signature.start) return signature.format;
  return nullptr;
}

}  // namespace

XImage::XImage() : XDocument(Kind{"image"}) {}

bool XImage::setImageInline(int subtype, const std::string& content) {
  const char* format = ImageFormat(content);
  if (!format) return false;
  ImageContent& image = MutableState().image;
  image.subtype = subtype;
  image.format = format;
  image.bytes = content;
  MutableState().parseError.clear();
  return true;
}

bool XImage::sendImage() { return Send(); }

bool XImage::SendChart(bool show, bool later, bool thumbnail) {
  return SendOrWarn(*this, show, later, thumbnail,
                    "The image was not shown: its content is not a PNG, JPEG or BMP image.");
}
