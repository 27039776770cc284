#pragma once
#include <string>

#include "XDocument.h"

// Image subtypes accepted by XImage::setImageInline.
enum ImageSubtype { kImageBmp = 1, kImageJpeg = 2, kImagePng = 3 };

// An image sent to the output as it is.
class XImage : public XDocument {
 public:
  XImage();

  // The image's bytes. False, and nothing kept, when the content is not a
  // PNG, JPEG or BMP image; the kind is read from the content, the subtype is
  // what the caller asked for.
  bool setImageInline(int subtype, const std::string& content);
  // Puts the image into the output. Without a usable image a warning goes to
  // the output instead and the result is false.
  bool sendImage();
  bool SendChart(bool show, bool later, bool thumbnail) override;
};
