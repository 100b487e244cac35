#include "book/ComicInfo.h"

#include <QXmlStreamWriter>

namespace book {

QByteArray comicInfo(const QString& title, const QString& author, Direction direction,
                     const std::vector<ComicPage>& pages) {
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("ComicInfo"));
    writer.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema"),
                          QStringLiteral("xsd"));
    writer.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"),
                          QStringLiteral("xsi"));
    if (!title.isEmpty()) {
        writer.writeTextElement(QStringLiteral("Title"), title);
    }
    if (!author.isEmpty()) {
        writer.writeTextElement(QStringLiteral("Writer"), author);
    }
    writer.writeTextElement(QStringLiteral("PageCount"), QString::number(pages.size()));
    writer.writeTextElement(QStringLiteral("Manga"), direction == Direction::RightToLeft
                                                         ? QStringLiteral("YesAndRightToLeft")
                                                         : QStringLiteral("No"));
    writer.writeStartElement(QStringLiteral("Pages"));
    for (size_t i = 0; i < pages.size(); ++i) {
        writer.writeEmptyElement(QStringLiteral("Page"));
        writer.writeAttribute(QStringLiteral("Image"), QString::number(i));
        if (i == 0) {
            writer.writeAttribute(QStringLiteral("Type"), QStringLiteral("FrontCover"));
        }
        writer.writeAttribute(QStringLiteral("ImageSize"), QString::number(pages[i].bytes));
        writer.writeAttribute(QStringLiteral("ImageWidth"), QString::number(pages[i].size.width()));
        writer.writeAttribute(QStringLiteral("ImageHeight"),
                              QString::number(pages[i].size.height()));
    }
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

}  // namespace book
