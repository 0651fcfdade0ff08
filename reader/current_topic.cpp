#include "reader/current_topic.h"

namespace tessaly::reader {
namespace {

QString& Value() {
  static QString value;
  return value;
}

}  // namespace

const QString& CurrentTopic() { return Value(); }

void SetCurrentTopic(const QString& title) { Value() = title; }

}  // namespace tessaly::reader
