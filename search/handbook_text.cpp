#include "search/handbook_text.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

#include "reader/topic_catalogue.h"
#include "reader/topic_sheets.h"
#include "reader/topic_text.h"

namespace tessaly::search {
namespace {

std::u32string ToU32(const QString& text) {
  const QList<uint> units = text.toUcs4();
  return {units.begin(), units.end()};
}

}  // namespace

std::shared_ptr<const HandbookIndex> BuildHandbookIndex(
    const QStringList& titles) {
  std::vector<TopicText> topics;
  topics.reserve(static_cast<std::size_t>(titles.size()));
  for (const QString& title : titles) {
    TopicText topic{ToU32(title), {}};
    if (const reader::TopicEntry* entry = reader::Lookup(title.toStdString())) {
      topic.text = reader::TopicText(reader::LoadTopicPages(*entry)).text;
    }
    topics.push_back(std::move(topic));
  }
  return std::make_shared<const HandbookIndex>(std::move(topics));
}

HandbookText& HandbookText::Instance() {
  static HandbookText* instance = new HandbookText;  // lives with the program
  return *instance;
}

void HandbookText::StartBuilding(const QStringList& titles) {
  if (started_) return;
  started_ = true;
  QThreadPool::globalInstance()->start([this, titles] {
    std::shared_ptr<const HandbookIndex> index = BuildHandbookIndex(titles);
    QMetaObject::invokeMethod(
        this,
        [this, index] {
          if (!index_) index_ = index;
          Q_EMIT Ready();
        },
        Qt::QueuedConnection);
  });
}

const HandbookIndex& HandbookText::BuildNow(const QStringList& titles) {
  if (!index_) {
    started_ = true;
    index_ = BuildHandbookIndex(titles);
    Q_EMIT Ready();
  }
  return *index_;
}

}  // namespace tessaly::search
