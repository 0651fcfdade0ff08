// Finding a window's control by its name in tests.
#ifndef TESSALY_TESTS_SUPPORT_FIND_CONTROL_H_
#define TESSALY_TESTS_SUPPORT_FIND_CONTROL_H_

#include <QObject>
#include <QString>
#include <stdexcept>

namespace tessaly::testing {

// The child of `root` named `name`; throws if there is none, so a test that
// looks for a control that is not there fails with its name.
template <class T>
T* FindControl(const QObject* root, const QString& name) {
  T* found = root->findChild<T*>(name);
  if (found == nullptr) {
    throw std::runtime_error("no control named " + name.toStdString());
  }
  return found;
}

}  // namespace tessaly::testing

#endif  // TESSALY_TESTS_SUPPORT_FIND_CONTROL_H_
