// CurrentTopic: the title the reader is to show. The topic commands write it
// just before they load the reader; it keeps the last title afterwards.
#ifndef TESSALY_READER_CURRENT_TOPIC_H_
#define TESSALY_READER_CURRENT_TOPIC_H_

#include <QString>

namespace tessaly::reader {

const QString& CurrentTopic();
void SetCurrentTopic(const QString& title);

}  // namespace tessaly::reader

#endif  // TESSALY_READER_CURRENT_TOPIC_H_
