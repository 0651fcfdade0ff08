// What screen readers learn about our own controls through Qt's
// accessibility interface: roles that Qt cannot guess, and names without the
// spaces that pad a caption to its width.
#ifndef TESSALY_TOOLKIT_ACCESSIBILITY_H_
#define TESSALY_TOOLKIT_ACCESSIBILITY_H_

#include <QAccessible>
#include <QString>

class QWidget;

namespace tessaly::toolkit {

// `caption` as it is read out: "高　考　版" → "高考版", "体   力" → "体力".
QString AccessibleCaption(const QString& caption);

// Gives `widget` the role `role` in place of the one of its class. Call it
// before anything asks for the widget's accessible interface.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

// Installs the interfaces of the toolkit's controls; safe to call often.
void InstallAccessibleInterfaces();

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_ACCESSIBILITY_H_
