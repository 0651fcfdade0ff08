// A topic as a PDF file: its sheets as vectors on A4 paper, with text that a
// viewer copies and searches exactly as the pages show it.
#ifndef TESSALY_READER_TOPIC_PDF_H_
#define TESSALY_READER_TOPIC_PDF_H_

#include <QByteArray>
#include <QString>
#include <optional>

namespace tessaly::reader {

struct TopicEntry;

QByteArray TopicPdf(const TopicEntry& entry);

// Writes the PDF to `path` through a temporary file that replaces `path`
// only when complete. Returns why it failed, or nothing on success; a
// failure leaves no file behind.
std::optional<QString> WriteTopicPdf(const TopicEntry& entry,
                                     const QString& path);

}  // namespace tessaly::reader

#endif  // TESSALY_READER_TOPIC_PDF_H_
