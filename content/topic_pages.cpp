#include "content/topic_pages.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// Registers the generated resource; at file scope, as the macro declares the
// registration function.
static void InitPageResource() { Q_INIT_RESOURCE(tessaly_pages); }

namespace tessaly::content {
namespace {

void EnsureResource() {
  static const bool done = [] {
    InitPageResource();
    return true;
  }();
  (void)done;
}

std::vector<int> IntList(const QJsonValue& value) {
  std::vector<int> list;
  for (const auto& item : value.toArray()) list.push_back(item.toInt());
  return list;
}

}  // namespace

std::optional<QByteArray> LoadPage(QStringView control, int index) {
  EnsureResource();
  if (index < 0) return std::nullopt;
  QFile file(QStringLiteral(":/pages/%1_%2.emf").arg(control).arg(index));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

int PageCount(QStringView control) {
  for (const TopicPages& topic : BuiltTopics()) {
    if (topic.control == control) return static_cast<int>(topic.heights.size());
  }
  return 0;
}

const std::vector<TopicPages>& BuiltTopics() {
  static const std::vector<TopicPages> topics = [] {
    EnsureResource();
    std::vector<TopicPages> list;
    QFile file(QStringLiteral(":/pages/pages.json"));
    if (!file.open(QIODevice::ReadOnly)) return list;
    for (const auto& value : QJsonDocument::fromJson(file.readAll()).array()) {
      const QJsonObject object = value.toObject();
      list.push_back({object.value(u"title").toString(),
                      object.value(u"control").toString(),
                      IntList(object.value(u"frames")),
                      IntList(object.value(u"heights"))});
    }
    return list;
  }();
  return topics;
}

}  // namespace tessaly::content
