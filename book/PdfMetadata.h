#pragma once

#include <QByteArray>
#include <QString>

class QPDF;

namespace book {

// The document information (/Title, /Author, /Producer, /CreationDate) and
// the same as an XMP metadata stream of the catalogue (dc:title,
// dc:creator, pdf:Producer, xmp:CreateDate). An empty title or author is
// left out of both.
void addMetadata(QPDF& pdf, const QString& title, const QString& author);

// The XMP packet itself, its texts escaped for XML.
QByteArray xmpPacket(const QString& title, const QString& author, const QString& producer,
                     const QString& createDate);

}  // namespace book
