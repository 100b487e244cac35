#include "book/PdfMetadata.h"

#include "book/BookOutput.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <QDateTime>

#include <cstdlib>

namespace book {

namespace {

// "D:20240131120000+09'00'", the PDF date of `time`.
QString pdfDate(const QDateTime& time) {
    const int offset = time.offsetFromUtc() / 60;
    return time.toString(QStringLiteral("'D:'yyyyMMddHHmmss")) +
           QStringLiteral("%1%2'%3'")
               .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
               .arg(std::abs(offset) / 60, 2, 10, QLatin1Char('0'))
               .arg(std::abs(offset) % 60, 2, 10, QLatin1Char('0'));
}

QPDFObjectHandle text(const QString& value) {
    return QPDFObjectHandle::newUnicodeString(value.toStdString());
}

}  // namespace

QByteArray xmpPacket(const QString& title, const QString& author, const QString& producer,
                     const QString& createDate) {
    QString properties;
    if (!title.isEmpty()) {
        properties += QStringLiteral(
                          "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li>"
                          "</rdf:Alt></dc:title>\n")
                          .arg(title.toHtmlEscaped());
    }
    if (!author.isEmpty()) {
        properties +=
            QStringLiteral("   <dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>\n")
                .arg(author.toHtmlEscaped());
    }
    const QString packet =
        QStringLiteral(
            "<?xpacket begin=\"\xef\xbb\xbf\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
            "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
            " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
            "  <rdf:Description rdf:about=\"\"\n"
            "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
            "    xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\"\n"
            "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
            "   <dc:format>application/pdf</dc:format>\n"
            "%1"
            "   <pdf:Producer>%2</pdf:Producer>\n"
            "   <xmp:CreatorTool>%2</xmp:CreatorTool>\n"
            "   <xmp:CreateDate>%3</xmp:CreateDate>\n"
            "  </rdf:Description>\n"
            " </rdf:RDF>\n"
            "</x:xmpmeta>\n"
            "<?xpacket end=\"w\"?>\n")
            .arg(properties, producer.toHtmlEscaped(), createDate);
    return packet.toUtf8();
}

void addMetadata(QPDF& pdf, const QString& title, const QString& author) {
    const QDateTime now = QDateTime::currentDateTime();
    const QString producer = producerName();
    QPDFObjectHandle info = QPDFObjectHandle::newDictionary();
    if (!title.isEmpty()) {
        info.replaceKey("/Title", text(title));
    }
    if (!author.isEmpty()) {
        info.replaceKey("/Author", text(author));
    }
    info.replaceKey("/Producer", text(producer));
    info.replaceKey("/Creator", text(producer));
    info.replaceKey("/CreationDate", text(pdfDate(now)));
    pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));

    // With its offset from UTC, as XMP dates carry it.
    const QString createDate = now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
    const QByteArray xmp = xmpPacket(title, author, producer, createDate);
    QPDFObjectHandle metadata = QPDFObjectHandle::newStream(
        &pdf, std::string(xmp.constData(), static_cast<size_t>(xmp.size())));
    metadata.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
    metadata.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
    pdf.getRoot().replaceKey("/Metadata", metadata);
}

}  // namespace book
