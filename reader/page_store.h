// The built-in page pictures, reached by page control name and index.
#ifndef TESSALY_READER_PAGE_STORE_H_
#define TESSALY_READER_PAGE_STORE_H_

#include <QByteArray>
#include <string_view>

namespace tessaly::reader {

// The EMF stream of page `index` of `control` ("Img_03", 2); empty if the
// program has no such page.
QByteArray PageBytes(std::string_view control, int index);

}  // namespace tessaly::reader

#endif  // TESSALY_READER_PAGE_STORE_H_
