#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace catalogue {

// The thumbnail shown for a listed file that could not be read: on the
// thumbnail background, a grey square crossed from corner to corner, so the
// item keeps its place (item i stays file i) and is plainly not a picture.
// A side x side RGB888 image; null for a side below 1.
QImage unreadableThumbnail(int side, QRgb background);

// Status bar text naming the files of a loading that could not be read:
// " 読めないファイル N 件: a.jpg, b.jpg, c.jpg ほか M 件" (at most three names).
// Empty for an empty list.
QString unreadableLoadText(const QStringList& names);

}  // namespace catalogue
