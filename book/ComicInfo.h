#pragma once

#include "book/BindBook.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

namespace book {

// One page as ComicInfo.xml describes it.
struct ComicPage {
    QSize size;
    qint64 bytes = 0;
};

// ComicInfo.xml (ComicInfo 2.0, its elements in the schema's order):
// Title and Writer when given, PageCount, Manga (YesAndRightToLeft for a
// right-to-left book, else No) and a Page for each image, numbered from 0,
// the first marked FrontCover.
QByteArray comicInfo(const QString& title, const QString& author, Direction direction,
                     const std::vector<ComicPage>& pages);

}  // namespace book
