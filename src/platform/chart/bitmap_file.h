// Windows bitmap (BMP) encoding of pictures, and writing them as files.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kovia {

// The bytes of a Windows bitmap file holding `image` (24 bits per pixel); empty when the
// image is null.
QByteArray encodeBitmap(const QImage& image);

// Replaces the file at `path` with the bitmap of `image`, atomically (the old file stays
// whole on failure). Throws FileWriteError whose message is "Cannot create file <path>".
void writeBitmapFile(const QString& path, const QImage& image);

}  // namespace kovia
