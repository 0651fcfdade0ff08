// Answers the modal message boxes that a test provokes and records them.
#ifndef TESSALY_TESTS_SUPPORT_MESSAGE_BOX_CATCHER_H_
#define TESSALY_TESTS_SUPPORT_MESSAGE_BOX_CATCHER_H_

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <vector>

namespace tessaly::testing {

struct CaughtMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int button_count = 0;
  QString ok_text;  // as the OK button reads
};

// While it lives, every message box that opens is recorded and closed with
// its OK button.
class MessageBoxCatcher : public QObject {
  Q_OBJECT

 public:
  MessageBoxCatcher();

  const std::vector<CaughtMessage>& Messages() const { return messages_; }
  void Clear() { messages_.clear(); }

 private:
  void Poll();

  QTimer timer_;
  std::vector<CaughtMessage> messages_;
  // Boxes already answered: a box may still show for a moment after its OK
  // button was clicked, and must not be counted twice.
  std::vector<QPointer<QMessageBox>> answered_;
};

}  // namespace tessaly::testing

#endif  // TESSALY_TESTS_SUPPORT_MESSAGE_BOX_CATCHER_H_
