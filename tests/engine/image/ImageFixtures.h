// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QSize>
#include <QString>
#include <vector>

namespace karvo::test {

// Still images made with the real libvips, ImageMagick and exiftool, generated once per build tree.
namespace ImageFixtures {
// 4000x3000 JPEG photo, orientation 1, with EXIF (Make "KarvoCam"), GPS, IPTC keyword and XMP title.
QString photo4000();
// The same photo stored with orientation 6: displayed upright it is 3000x4000.
QString photo4000Turned();
// Stored 600x400 with orientation 6 (displayed 400x600); displayed upright its top-left corner is red and
// its bottom-right corner blue.
QString portrait();
// 640x480 JPEG with an sRGB ICC profile, EXIF, GPS, IPTC and XMP.
QString taggedWithProfile();
// 800x600 PNG with alpha: the left half transparent (hiding pure blue), the right half opaque green.
QString pngWithAlpha();
// 600x400 PNG in quadrants: top-left red, top-right green, bottom-left blue, bottom-right white.
QString quadrants();
QString heic();          // 640x480
QString webp();          // 320x200
QString tiff();          // 320x200
QString bmp();           // 160x90
QString ico();           // 64x48
QString svg();           // 120x80
QString tinyOdd();       // 5x3 JPEG
QString corruptJpeg();   // a JPEG signature followed by garbage
QString truncatedJpeg(); // the first third of a real JPEG
QString emptyFile();     // zero bytes, named .png
// 8000x6000 JPEG in quadrants like quadrants(): 144 MB decoded, more than is turned in memory.
QString largeQuadrants();
// 7072x7072 flat grey PNG: just over the pixels a HEIC may have.
QString overHeicLimit();

// A tiny segmentation model (see make_segmentation_model.py): mask = sigmoid(gain x normalised red + bias)
// at exactly width x height; `dynamic` declares no input size.
QString segmentationModel(int width, int height, double gain, double bias, bool dynamic);

// Reading results back.
QJsonObject metadata(const QString& path); // exiftool -G1 -n: keys such as "IFD0:Make", "GPS:GPSLatitude"
bool hasGroup(const QJsonObject& metadata, const QString& prefix);
QSize size(const QString& path);
int bands(const QString& path);
std::vector<double> pixel(const QString& path, int x, int y);
bool isRed(const std::vector<double>& rgb);
bool isGreen(const std::vector<double>& rgb);
bool isBlue(const std::vector<double>& rgb);
} // namespace ImageFixtures

} // namespace karvo::test
